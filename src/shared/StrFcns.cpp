#include "StrFcns.h"

#include "Ascii.h"
#include "ExceptionUnit.h"

#include <QCoreApplication>
#include <QDir>

namespace {

TContextName ContextName(const char* name) { return TContextName("StrFcns.", name); }

QString& HomeDirOverride() {
  static QString dir;
  return dir;
}

const QChar Space(u' ');

}  // namespace

QString FillString(int count, QChar c) {
  return Guard(ContextName("FillString"), Mode::Propagate,
               [&] { return count > 0 ? QString(count, c) : QString(); });
}

void SetHomeDir(const QString& dir) { HomeDirOverride() = dir; }

QString HomeDir() {
  const QString& forced = HomeDirOverride();
  return QDir::toNativeSeparators(forced.isEmpty() ? QCoreApplication::applicationDirPath() : forced);
}

QString HomeDirFileName(const QString& fileName) {
  return Guard(ContextName("HomeDirFileName"), Mode::Propagate,
               [&] { return ConcatDir(HomeDir(), fileName); });
}

QString StripChars(const QString& s, const TCharSet& set) {
  return Guard(ContextName("StripChars"), Mode::Propagate, [&] {
    QString result;
    result.reserve(s.size());
    for (QChar c : s)
      if (!set.contains(c))
        result += c;
    return result;
  });
}

int LastPos(const QString& sub, const QString& s) {
  return Guard(ContextName("LastPos"), Mode::Propagate, [&] {
    if (sub.isEmpty() || sub.size() > s.size())
      return 0;
    return int(s.lastIndexOf(sub)) + 1;
  });
}

QString StripTrailingSpaces(const QString& s) {
  return Guard(ContextName("StripTrailingSpaces"), Mode::Propagate, [&] {
    qsizetype end = s.size();
    while (end > 0 && s[end - 1] == Space)
      --end;
    return s.left(end);
  });
}

QString StripSurroundingSpaces(const QString& s) {
  return Guard(ContextName("StripSurroundingSpaces"), Mode::Propagate, [&] {
    qsizetype begin = 0, end = s.size();
    while (begin < end && s[begin] == Space)
      ++begin;
    while (end > begin && s[end - 1] == Space)
      --end;
    return s.mid(begin, end - begin);
  });
}

QString ConvertNonPrintables(const QString& s, bool keepLineBreaks) {
  return Guard(ContextName("ConvertNonPrintables"), Mode::Propagate, [&] {
    QString result;
    result.reserve(s.size());
    for (QChar c : s) {
      const int code = c.unicode();
      if ((code >= 32 && code <= 126) || (keepLineBreaks && (c == u'\r' || c == u'\n')))
        result += c;
      else if (code < 256)
        result += AsciiName(code);
      else
        result += QStringLiteral("<#%1>").arg(code);
    }
    return result;
  });
}

QString StuffAmpersands(const QString& s) {
  return Guard(ContextName("StuffAmpersands"), Mode::Propagate, [&] {
    QString result = s;
    return result.replace(QStringLiteral("&"), QStringLiteral("&&"));
  });
}

QString ConcatDir(const QString& dir, const QString& fileName) {
  return Guard(ContextName("ConcatDir"), Mode::Propagate, [&] {
    if (dir.isEmpty())
      return fileName;
    if (dir.endsWith(QDir::separator()))
      return dir + fileName;
    return dir + QDir::separator() + fileName;
  });
}

QChar LastChar(const QString& s) {
  return Guard(ContextName("LastChar"), Mode::Propagate,
               [&] { return s.isEmpty() ? QChar(u'\0') : s.back(); });
}
