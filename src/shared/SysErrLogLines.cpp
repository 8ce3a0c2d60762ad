#include "SysErrLogLines.h"

#include "ExceptionUnit.h"
#include "StrFcns.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QtGlobal>
#include <algorithm>

namespace {

TContextName ContextName(const char* name) { return TContextName("TSysErrorLog.", name); }

// Repeat detection compares lines from the 21st character on, past the time
// stamp of a first line and the indent of the others.
constexpr int StampWidth = 20;

// CR, LF or CR LF end a line; a final break adds no empty line.
QStringList SplitLines(const QString& text) {
  static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
  QStringList lines = text.split(lineBreak);
  if (lines.last().isEmpty())
    lines.removeLast();
  return lines;
}

// The first character of a short date or time format that is neither a
// letter nor a space: "/" in "M/d/yy", "." in "dd.MM.yy", ":" in "h:mm AP".
QChar Separator(const QString& format, QChar fallback) {
  for (QChar c : format)
    if (!c.isLetter() && c != u' ' && c != u'\'')
      return c;
  return fallback;
}

// An entry's first line carries its time stamp; its other lines are
// indented and its end is an empty line. Only a first line can start a
// repeat, or a report could match the middle of a longer, older one.
bool BeginsEntry(const QString& line) { return !line.isEmpty() && line[0] != u' '; }

// The report as log lines: first line as it is, the others indented, and
// an empty line to end it unless the report's last line is already blank.
QStringList LogEntry(const QString& message) {
  QStringList entry = SplitLines(message);
  const QString indent = FillString(StampWidth, u' ');
  for (int i = 1; i < entry.size(); ++i)
    entry[i].prepend(indent);
  if (entry.isEmpty() || !StripSurroundingSpaces(entry.last()).isEmpty())
    entry.append(QString());
  return entry;
}

}  // namespace

QString TimeStamp(const QDateTime& when, const QLocale& locale) {
  return Guard(ContextName("TimeStamp"), Mode::Propagate, [&] {
    if (!when.isValid() || when.date().year() < 0 || when.date().year() > 9999)
      return QStringLiteral("?\?/?\?/?\?\?\? ?\?:?\?:?\? ");  // "??/??/???? ??:??:?? "
    const QChar d = Separator(locale.dateFormat(QLocale::ShortFormat), u'/');
    const QChar t = Separator(locale.timeFormat(QLocale::ShortFormat), u':');
    const QDate date = when.date();
    const QTime time = when.time();
    const auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QChar(u'0')); };
    return two(date.month()) + d + two(date.day()) + d + QStringLiteral("%1").arg(date.year(), 4, 10, QChar(u'0')) +
           u' ' + two(time.hour()) + t + two(time.minute()) + t + two(time.second()) + u' ';
  });
}

QString CurrentTimeStamp() { return TimeStamp(QDateTime::currentDateTime(), QLocale::system()); }

QString TSysErrLogLines::FileName() const {
  return Guard(ContextName("FileName"), Mode::Propagate,
               [] { return HomeDirFileName(QStringLiteral("Errors.txt")); });
}

QString TSysErrLogLines::SaveFailedMessage() const {
  return QStringLiteral("Error writing to ") + FileName() +
         QStringLiteral("\rSome other program has claimed exclusive access to this file.");
}

void TSysErrLogLines::SetSaveFailedHandler(std::function<void(const QString&)> handler) {
  saveFailed_ = std::move(handler);
}

void TSysErrLogLines::SetChangedHandler(std::function<void()> handler) { changed_ = std::move(handler); }

void TSysErrLogLines::Init() {
  Guard(ContextName("Init"), Mode::Propagate, [&] {
    loading_ = true;
    lines_.clear();
    QFile file(FileName());
    if (file.exists()) {
      if (!file.open(QIODevice::ReadOnly))
        RaiseMessage(QStringLiteral("Cannot read ") + file.fileName() + QStringLiteral(": ") + file.errorString());
      lines_ = SplitLines(QString::fromUtf8(file.readAll()));
    }
    Changed();
    loading_ = false;
  });
}

void TSysErrLogLines::Add(const QString& message) {
  Guard(ContextName("Add"), Mode::Propagate, [&] {
    if (busy_)
      return;
    const QStringList entry = LogEntry(message);
    busy_ = true;  // stays set if anything below fails
    if (RedundantLine(entry))
      UpdateRedundantLine(entry);
    else
      AppendCapped(entry, MaxLines);
    Changed();
    busy_ = false;
  });
}

void TSysErrLogLines::Clear() {
  Guard(ContextName("Clear"), Mode::Propagate, [&] {
    lines_.clear();
    Changed();
  });
}

bool TSysErrLogLines::LinesEqual(const QStringList& entry, int i, int j) const {
  return Guard(ContextName("LinesEqual"), Mode::Propagate, [&] {
    for (;; ++i, ++j) {
      if (i >= entry.size() || j >= lines_.size())
        return false;
      const QStringView a = QStringView(entry[i]).mid(std::min<qsizetype>(StampWidth, entry[i].size()));
      const QStringView b = QStringView(lines_[j]).mid(std::min<qsizetype>(StampWidth, lines_[j].size()));
      if (a != b)
        return false;
      if (a.isEmpty())
        return true;  // both reached the line that ends an entry
    }
  });
}

int TSysErrLogLines::MsgIndex(const QStringList& entry) const {
  return Guard(ContextName("MsgIndex"), Mode::Propagate, [&] {
    for (int j = int(lines_.size()) - 1; j >= 0; --j)
      if (BeginsEntry(lines_[j]) && LinesEqual(entry, 0, j))
        return j;
    return -1;
  });
}

bool TSysErrLogLines::RedundantLine(const QStringList& entry) const {
  return Guard(ContextName("RedundantLine"), Mode::Propagate, [&] { return MsgIndex(entry) != -1; });
}

// Takes out the whole earlier entry, up to the next entry's first line, and
// puts the new one at the end. Entries that match only up to an empty
// middle line may differ in length, so the earlier entry's own extent is
// removed, never the new entry's line count.
void TSysErrLogLines::UpdateRedundantLine(const QStringList& entry) {
  Guard(ContextName("UpdateRedundantLine"), Mode::Propagate, [&] {
    const int k = MsgIndex(entry);
    int end = k + 1;
    while (end < lines_.size() && !BeginsEntry(lines_[end]))
      ++end;
    const int countBefore = int(lines_.size());
    lines_.remove(k, end - k);
    AppendCapped(entry, std::max<int>(MaxLines, countBefore));
  });
}

// Before each line goes in, the first line goes out while the log holds
// `limit` lines or more.
void TSysErrLogLines::AppendCapped(const QStringList& entry, int limit) {
  for (const QString& line : entry) {
    if (lines_.size() >= limit)
      lines_.removeFirst();
    lines_.append(line);
  }
}

void TSysErrLogLines::Changed() {
  Guard(ContextName("Changed"), Mode::Propagate, [&] {
    if (!loading_)
      Save();
    if (changed_)
      changed_();
  });
}

// Written whole and atomically, so a failed write leaves the old file.
void TSysErrLogLines::Save() {
  Guard(ContextName("Save"), Mode::Propagate, [&] {
    QString text;
    for (const QString& line : lines_)
      text += line + QStringLiteral("\r\n");
    const QByteArray bytes = text.toUtf8();
    QSaveFile file(FileName());
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
      return;
    if (saveFailed_)
      saveFailed_(SaveFailedMessage());
    else
      qWarning("%s", qUtf8Printable(SaveFailedMessage()));
  });
}
