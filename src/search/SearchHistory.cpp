#include "SearchHistory.h"

#include "ExceptionUnit.h"
#include "TextModel.h"

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
    // One entry a line, read as the editor reads its lines.
    return SplitLines(text);
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
