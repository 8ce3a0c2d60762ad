#include "Ascii.h"

#include <array>

namespace {

using TAsciiNames = std::array<QString, 256>;

// Built in three passes, later passes overwriting earlier ones.
TAsciiNames BuildAsciiNames() {
  TAsciiNames names;
  for (int i = 0; i < 256; ++i)
    names[i] = QStringLiteral("<#%1>").arg(i);
  for (int i = 32; i <= 126; ++i)
    names[i] = QString(QChar(i));
  static const char* const mnemonics[32] = {
      "<NUL>", "<SOH>", "<STX>", "<ETX>", "<EOT>", "<ENQ>", "<ACK>", "<BEL>",
      "<BS>",  "<TAB>", "<LF>",  "<VT>",  "<FF>",  "<CR>",  nullptr, nullptr,
      "<DLE>", "<XON>", "<DC2>", "<XOFF>", "<DC4>", "<NAK>", "<SYN>", "<ETB>",
      "<CAN>", "<EM>",  "<SUB>", "<ESC>", "<FS>",  "<GS>",  "<RS>",  "<US>"};
  for (int i = 0; i < 32; ++i)
    if (mnemonics[i])
      names[i] = QString::fromLatin1(mnemonics[i]);
  return names;
}

}  // namespace

const QString& AsciiName(int code) {
  static const TAsciiNames names = BuildAsciiNames();
  return names[code];
}
