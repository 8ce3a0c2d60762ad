#pragma once
// The System Error Log window: a read-only view of the log that the System
// Error window writes into, with "Clear" and "Close" in its menu. Created
// hidden at start-up, after the System Error window; it reads "Errors.txt"
// at once, so the log carries on from the last run even while hidden.

#include "SysErrLogLines.h"

#include <QMainWindow>

class QPlainTextEdit;

class TSysErrorLog : public QMainWindow {
  Q_OBJECT

public:
  explicit TSysErrorLog(QWidget* parent = nullptr);

  // Logs one report: the time stamp followed by the report's text.
  void Add(const QString& message);

  const QStringList& Lines() const { return lines_.Lines(); }
  QString FileName() const { return lines_.FileName(); }

private:
  void FormCreate();
  void ShowLines();
  void SetSelStart();
  void ShowSaveFailed(const QString& message);
  void ClearMenuItemClick();
  void CloseMenuItemClick();

  TSysErrLogLines lines_;
  QPlainTextEdit* Memo1;
};
