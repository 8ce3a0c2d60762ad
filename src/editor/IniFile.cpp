#include "IniFile.h"

#include "ExceptionUnit.h"
#include "StrFcns.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <limits>

namespace {

TContextName ContextName(const char* name) { return TContextName("TIniFile.", name); }

const QByteArray Bom("\xEF\xBB\xBF");
constexpr qsizetype MaxStringLength = 2047;

int DigitValue(QChar c) {
  if (c >= u'0' && c <= u'9')
    return c.unicode() - u'0';
  const QChar lower = c.toLower();
  return lower >= u'a' && lower <= u'f' ? lower.unicode() - u'a' + 10 : -1;
}

bool ParseDigits(QStringView digits, int base, quint64 limit, quint64& value) {
  if (digits.isEmpty())
    return false;
  value = 0;
  for (QChar c : digits) {
    const int digit = DigitValue(c);
    if (digit < 0 || digit >= base)
      return false;
    value = value * base + digit;
    if (value > limit)
      return false;
  }
  return true;
}

// Hexadecimal values are 32-bit patterns ("$FFFFFFFF" is -1); decimal
// values must fit an int.
bool ParseInteger(const QString& s, int& result) {
  quint64 value = 0;
  const bool hex0x = s.size() > 2 && (s.startsWith(QLatin1String("0x")) || s.startsWith(QLatin1String("0X")));
  if (hex0x || s.startsWith(u'$')) {
    if (!ParseDigits(QStringView(s).mid(hex0x ? 2 : 1), 16, std::numeric_limits<quint32>::max(), value))
      return false;
    result = int(quint32(value));
    return true;
  }
  const bool negative = s.startsWith(u'-');
  const QStringView digits = QStringView(s).mid(negative || s.startsWith(u'+') ? 1 : 0);
  const quint64 limit = quint64(std::numeric_limits<int>::max()) + (negative ? 1 : 0);
  if (!ParseDigits(digits, 10, limit, value))
    return false;
  result = negative ? int(-qint64(value)) : int(value);
  return true;
}

bool HasLineBreak(const QString& s) { return s.contains(u'\r') || s.contains(u'\n'); }

bool EndsWithLineBreak(const QByteArray& raw) { return raw.endsWith('\n') || raw.endsWith('\r'); }

}  // namespace

TIniFile::TIniFile(QString fileName) : fileName_(std::move(fileName)) {}

int TIniFile::ReadInteger(const QString& section, const QString& key, int defaultValue) {
  return Guard(ContextName("ReadInteger"), Mode::Propagate, [&] {
    QString value;
    int result = 0;
    return Lookup(section, key, value) && ParseInteger(value, result) ? result : defaultValue;
  });
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool defaultValue) {
  return Guard(ContextName("ReadBool"), Mode::Propagate,
               [&] { return ReadInteger(section, key, defaultValue ? 1 : 0) != 0; });
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) {
  return Guard(ContextName("ReadString"), Mode::Propagate, [&] {
    QString value;
    return Lookup(section, key, value) ? value.left(MaxStringLength) : defaultValue;
  });
}

void TIniFile::WriteInteger(const QString& section, const QString& key, int value) {
  Guard(ContextName("WriteInteger"), Mode::Propagate, [&] { Write(section, key, QString::number(value)); });
}

void TIniFile::WriteBool(const QString& section, const QString& key, bool value) {
  Guard(ContextName("WriteBool"), Mode::Propagate,
        [&] { Write(section, key, value ? QStringLiteral("1") : QStringLiteral("0")); });
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
  Guard(ContextName("WriteString"), Mode::Propagate, [&] { Write(section, key, value); });
}

// Reads the file again only when its size or time differs from what was
// last read or written here.
void TIniFile::Refresh() {
  const QFileInfo info(fileName_);
  const qint64 size = info.exists() ? info.size() : -1;
  const QDateTime time = info.exists() ? info.lastModified() : QDateTime();
  if (loaded_ && size == loadedSize_ && time == loadedTime_)
    return;
  QFile file(fileName_);
  readable_ = size < 0 || file.open(QIODevice::ReadOnly);
  Parse(size < 0 || !readable_ ? QByteArray() : file.readAll());
  loaded_ = readable_;  // an unreadable file is tried again next time
  loadedSize_ = size;
  loadedTime_ = time;
}

void TIniFile::Parse(const QByteArray& bytes) {
  lines_.clear();
  bom_ = bytes.startsWith(Bom);
  lineBreak_ = "\r\n";
  bool breakSeen = false;
  qsizetype start = bom_ ? Bom.size() : 0;
  while (start < bytes.size()) {
    qsizetype end = start;
    while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
      ++end;
    qsizetype next = end;
    if (next < bytes.size())
      next += bytes[next] == '\r' && next + 1 < bytes.size() && bytes[next + 1] == '\n' ? 2 : 1;
    if (!breakSeen && next > end) {
      lineBreak_ = bytes.mid(end, next - end);  // new lines follow the file's own style
      breakSeen = true;
    }
    lines_ << MakeLine(bytes.mid(start, end - start));
    lines_.last().raw = bytes.mid(start, next - start);
    start = next;
  }
}

TIniFile::TLine TIniFile::MakeLine(const QByteArray& text) const {
  TLine line;
  line.raw = text + lineBreak_;
  const QString decoded = QString::fromUtf8(text);
  const QString trimmed = decoded.trimmed();
  if (trimmed.startsWith(u'[')) {
    line.kind = TKind::Section;
    const qsizetype close = trimmed.indexOf(u']');
    line.name = trimmed.mid(1, close < 0 ? -1 : close - 1).trimmed();
  } else if (const qsizetype equals = decoded.indexOf(u'='); equals >= 0) {
    line.kind = TKind::Entry;
    line.name = decoded.left(equals).trimmed();
    line.value = StripSurroundingSpaces(decoded.mid(equals + 1));
  }
  return line;
}

qsizetype TIniFile::FindSection(const QString& section) const {
  const QString name = section.trimmed();
  for (qsizetype i = 0; i < lines_.size(); ++i)
    if (lines_[i].kind == TKind::Section && lines_[i].name.compare(name, Qt::CaseInsensitive) == 0)
      return i;
  return -1;
}

qsizetype TIniFile::FindEntry(qsizetype sectionLine, const QString& key) const {
  const QString name = key.trimmed();
  for (qsizetype i = sectionLine + 1; i < lines_.size() && lines_[i].kind != TKind::Section; ++i)
    if (lines_[i].kind == TKind::Entry && lines_[i].name.compare(name, Qt::CaseInsensitive) == 0)
      return i;
  return -1;
}

bool TIniFile::Lookup(const QString& section, const QString& key, QString& value) {
  Refresh();
  const qsizetype sectionLine = FindSection(section);
  const qsizetype entry = sectionLine < 0 ? -1 : FindEntry(sectionLine, key);
  if (entry < 0)
    return false;
  value = lines_[entry].value;
  return true;
}

// Updates the entry in place, or adds it after the last non-blank line of
// its section, or adds the section at the end of the file.
void TIniFile::Write(const QString& section, const QString& key, const QString& value) {
  if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value))
    RaiseMessage(QStringLiteral("A line break cannot be written to ") + fileName_);
  Refresh();
  if (!readable_)  // writing would replace what could not be read
    RaiseMessage(QStringLiteral("Unable to write to ") + fileName_);
  QList<TLine> lines = lines_;
  if (!lines.isEmpty() && !EndsWithLineBreak(lines.last().raw))
    lines.last().raw += lineBreak_;
  const TLine entry = MakeLine((key + u'=' + value).toUtf8());
  const qsizetype sectionLine = FindSection(section);
  if (sectionLine < 0) {
    if (!lines.isEmpty() && !lines.last().raw.trimmed().isEmpty())
      lines << MakeLine({});  // a blank line between sections
    lines << MakeLine((u'[' + section + u']').toUtf8()) << entry;
  } else if (const qsizetype entryLine = FindEntry(sectionLine, key); entryLine >= 0) {
    lines[entryLine] = entry;
  } else {
    qsizetype after = sectionLine;
    for (qsizetype i = sectionLine + 1; i < lines.size() && lines[i].kind != TKind::Section; ++i)
      if (!lines[i].raw.trimmed().isEmpty())
        after = i;
    lines.insert(after + 1, entry);
  }
  Save(lines);
}

void TIniFile::Save(const QList<TLine>& lines) {
  QByteArray bytes = bom_ ? Bom : QByteArray();
  for (const TLine& line : lines)
    bytes += line.raw;
  QSaveFile file(fileName_);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    RaiseMessage(QStringLiteral("Unable to write to ") + fileName_);
  lines_ = lines;
  const QFileInfo info(fileName_);
  loadedSize_ = info.size();
  loadedTime_ = info.lastModified();
}
