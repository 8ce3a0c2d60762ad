#pragma once
// The System Error window: shows the latest report that stopped at an event
// handler, above "OK" (hide) and "View Log" (show the log window), and
// hands every report to the log. Non-modal, fixed size, stays on top.
//
// Start-up: create it (hidden) right after the main window, then the
// TSysErrorLog; call SetLog and InstallSysErrorWindow.

#include <QDialog>
#include <QPointer>

class QLabel;
class QPushButton;
class TSysErrorLog;

class TSysErrorWindow : public QDialog {
  Q_OBJECT

public:
  explicit TSysErrorWindow(QWidget* parent = nullptr);

  // The log that reports go to; until it is set they are shown only.
  void SetLog(TSysErrorLog* log);

  // Shows one report (context names, outermost first, then the message),
  // time-stamps it in the caption and logs it. Raises when logging fails
  // or the screen is too narrow for the label (under 550 pixels).
  void Add(const QString& message);

protected:
  void resizeEvent(QResizeEvent* event) override;

private:
  int LongestLineTextWidth(const QString& text) const;
  void FormResize();
  void OKButtonClick();
  void LogButtonClick();

  QLabel* ErrMsgLabel;
  QPushButton* OKButton;
  QPushButton* LogButton;
  QPointer<TSysErrorLog> log_;
  bool shownBefore_ = false;
};

// Sends every report of mode Final to `window`. When the window itself
// fails, the failure ends in the platform's default error display.
void InstallSysErrorWindow(TSysErrorWindow* window);
