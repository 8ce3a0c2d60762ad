#include "Footer.h"

#include "ExceptionUnit.h"
#include "StrFcns.h"
#include "TextModel.h"

namespace {

TContextName ContextName(const char* name) { return TContextName("TMainWindow.", name); }

// The home-page address is kept enciphered (each byte XOR 0x5A) so that it
// does not stand in the program file as plain text.
constexpr unsigned char HomePageCipher[] = {
    0x32, 0x2e, 0x2e, 0x2a, 0x29, 0x60, 0x75, 0x75, 0x2b, 0x2f, 0x33, 0x36, 0x36, 0x29, 0x2d, 0x3f, 0x3f,
    0x2a, 0x74, 0x3f, 0x22, 0x3b, 0x37, 0x2a, 0x36, 0x3f, 0x74, 0x35, 0x28, 0x3d, 0x75};
constexpr unsigned char CipherKey = 0x5A;

}  // namespace

QString FooterURL() {
  return Guard(ContextName("FooterURL"), Mode::Propagate, [] {
    QString url;
    for (unsigned char c : HomePageCipher)
      url += QChar(c ^ CipherKey);
    return url;
  });
}

QString FooterStr() {
  return Guard(ContextName("FooterStr"), Mode::Propagate, [] {
    const QString line2 =
        QStringLiteral("This message has been cleaned by Quillsweep.exe v") + QString::number(ProgramVersion, 'f', 2);
    const QString line3 = FooterURL();
    const QString dashes = FillString(std::max(line2.size(), line3.size()), u'-');
    return JoinLines({dashes, line2, line3, dashes});
  });
}
