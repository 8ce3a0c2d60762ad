#include "TextModel.h"

QStringList SplitLines(QStringView text) {
  const qsizetype nul = text.indexOf(QChar(u'\0'));
  if (nul >= 0)
    text = text.left(nul);
  QStringList lines;
  qsizetype start = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c != u'\r' && c != u'\n')
      continue;
    lines << text.mid(start, i - start).toString();
    if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
      ++i;
    start = i + 1;
  }
  if (start < text.size())
    lines << text.mid(start).toString();
  return lines;
}

QString JoinLines(const QStringList& lines) {
  qsizetype size = 0;
  for (const QString& line : lines)
    size += line.size() + 2;
  QString text;
  text.reserve(size);
  for (const QString& line : lines) {
    text += line;
    text += CrLf;
  }
  return text;
}
