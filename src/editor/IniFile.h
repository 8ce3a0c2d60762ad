#pragma once
// The settings file in the profile format: "[Section]" lines and "Key=Value"
// entries, section and key names matched without regard to case. Reads of a
// missing or unreadable file, section or key give the default. Every write
// goes to the file at once, atomically, leaving every other line byte for
// byte as it was; a refused write raises "Unable to write to " + the file's
// full name.

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

class TIniFile {
public:
  explicit TIniFile(QString fileName);
  TIniFile(const TIniFile&) = delete;
  TIniFile& operator=(const TIniFile&) = delete;

  const QString& FileName() const { return fileName_; }

  // Decimal, or hexadecimal after "0x"/"0X" (with digits) or "$"; anything
  // else gives the default.
  int ReadInteger(const QString& section, const QString& key, int defaultValue);
  // An integer; any value other than 0 is true.
  bool ReadBool(const QString& section, const QString& key, bool defaultValue);
  // Spaces around the value removed, at most 2047 characters.
  QString ReadString(const QString& section, const QString& key, const QString& defaultValue);

  void WriteInteger(const QString& section, const QString& key, int value);
  void WriteBool(const QString& section, const QString& key, bool value);
  // Raises when the value holds a line break, which would add lines of its own.
  void WriteString(const QString& section, const QString& key, const QString& value);

private:
  enum class TKind { Other, Section, Entry };
  struct TLine {
    QByteArray raw;  // as in the file, line break included
    TKind kind = TKind::Other;
    QString name;    // section or key name, spaces trimmed
    QString value;   // entry value, spaces trimmed
  };

  void Refresh();
  void Parse(const QByteArray& bytes);
  qsizetype FindSection(const QString& section) const;
  qsizetype FindEntry(qsizetype sectionLine, const QString& key) const;
  bool Lookup(const QString& section, const QString& key, QString& value);
  void Write(const QString& section, const QString& key, const QString& value);
  TLine MakeLine(const QByteArray& text) const;
  void Save(const QList<TLine>& lines);

  QString fileName_;
  QList<TLine> lines_;
  bool bom_ = false;
  QByteArray lineBreak_ = "\r\n";
  // What the file looked like when it was last read or written here; a
  // change seen on disk makes the next access read it again.
  bool loaded_ = false;
  bool readable_ = true;  // false while the file exists but cannot be read
  qint64 loadedSize_ = -1;
  QDateTime loadedTime_;
};
