#include "SearchHistory.h"

#include "ExceptionUnit.h"

#include <QFile>
#include <QSaveFile>

namespace {

TContextName ContextName(const char* name) { return TContextName("SearchHistory.", name); }

}  // namespace

QStringList LoadHistory(const QString& fileName) {
  return Guard(ContextName("LoadHistory"), Mode::Propagate, [&] {
    QFile file(fileName);
    if (!file.exists())
      return QStringList();
    if (!file.open(QIODevice::ReadOnly))
      RaiseMessage(QStringLiteral("Unable to read ") + fileName);
    const QString text = QString::fromUtf8(file.readAll());
    if (file.error() != QFileDevice::NoError)
      RaiseMessage(QStringLiteral("Unable to read ") + fileName);
    QStringList entries;
    qsizetype begin = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
      const QChar c = text[i];
      if (c != u'\r' && c != u'\n')
        continue;
      entries.append(text.mid(begin, i - begin));
      if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
        ++i;
      begin = i + 1;
    }
    if (begin < text.size())
      entries.append(text.mid(begin));
    return entries;
  });
}

void SaveHistory(const QString& fileName, const QStringList& entries) {
  Guard(ContextName("SaveHistory"), Mode::Propagate, [&] {
    QByteArray bytes;
    for (const QString& entry : entries)
      bytes += entry.toUtf8() + "\r\n";
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
      RaiseMessage(QStringLiteral("Unable to write to ") + fileName);
  });
}

QStringList UpdateHistory(QStringList entries, const QString& text) {
  return Guard(ContextName("UpdateHistory"), Mode::Propagate, [&] {
    if (text.isEmpty())
      return entries;
    for (qsizetype i = 0; i < entries.size(); ++i)
      if (entries[i].compare(text, Qt::CaseInsensitive) == 0) {
        entries.removeAt(i);
        break;
      }
    entries.prepend(text);
    if (entries.size() > MaxHistoryEntries)
      entries.removeAt(MaxHistoryEntries);
    return entries;
  });
}
