#pragma once
// The System Error Log's lines and their mirror "Errors.txt": one entry per
// report (time-stamped first line, further lines indented by 20 spaces, an
// empty line to end it), repeated reports collapsed to one at the end, the
// log held at 250 lines. No user interface: the log window shows the lines
// and the message box of a failed save.

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <functional>

// "MM/DD/YYYY HH:MM:SS " (always 20 characters) with the locale's date and
// time separators; "??/??/???? ??:??:?? " when the date cannot be written
// in that width (invalid, or a year outside 0..9999).
QString TimeStamp(const QDateTime& when, const QLocale& locale);
QString CurrentTimeStamp();

class TSysErrLogLines {
public:
  static constexpr int MaxLines = 250;

  TSysErrLogLines() = default;
  TSysErrLogLines(const TSysErrLogLines&) = delete;
  TSysErrLogLines& operator=(const TSysErrLogLines&) = delete;

  const QStringList& Lines() const { return lines_; }

  // HomeDirFileName("Errors.txt").
  QString FileName() const;

  // Replaces the lines with the content of the log file, when there is one.
  // Raises when the file exists but cannot be read; the log then stays in
  // loading state for the run and is never saved over that file.
  void Init();

  // Logs one report (time stamp + report text). Returns at once while an
  // earlier Add is running or has failed: a failing log must not report
  // into itself for ever.
  void Add(const QString& message);

  // Empties the log and saves the empty log.
  void Clear();

  bool Busy() const { return busy_; }
  bool Loading() const { return loading_; }

  // Called with the message to show when saving fails; the lines in memory
  // are kept. Without a handler the message goes to the Qt warning output.
  void SetSaveFailedHandler(std::function<void(const QString& message)> handler);
  // Called after every change of the lines (and after Init), to refresh a view.
  void SetChangedHandler(std::function<void()> handler);

  // "Error writing to <file>" CR "Some other program has claimed ...".
  QString SaveFailedMessage() const;

private:
  bool LinesEqual(const QStringList& entry, int i, int j) const;
  int MsgIndex(const QStringList& entry) const;
  bool RedundantLine(const QStringList& entry) const;
  void UpdateRedundantLine(const QStringList& entry);
  void AppendCapped(const QStringList& entry, int limit);
  void Changed();
  void Save();

  QStringList lines_;
  bool busy_ = false;
  bool loading_ = false;
  std::function<void(const QString&)> saveFailed_;
  std::function<void()> changed_;
};
