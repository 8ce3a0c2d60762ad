#include "SysErrWindow.h"

#include "ErrorDisplay.h"
#include "ExceptionUnit.h"
#include "MinMax.h"
#include "ScreenRect.h"
#include "StrFcns.h"
#include "SysErrLog.h"
#include "SysErrLogLines.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <cmath>

namespace {

TContextName ContextName(const char* name) { return TContextName("TSysErrorWindow.", name); }

const QSize ButtonSize(75, 25);

}  // namespace

TSysErrorWindow::TSysErrorWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      ErrMsgLabel(new QLabel(this)),
      OKButton(new QPushButton(QStringLiteral("OK"), this)),
      LogButton(new QPushButton(QStringLiteral("View Log"), this)) {
  Guard(ContextName("FormCreate"), Mode::Propagate, [&] {
    setModal(false);
    ErrMsgLabel->setObjectName(QStringLiteral("ErrMsgLabel"));
    OKButton->setObjectName(QStringLiteral("OKButton"));
    LogButton->setObjectName(QStringLiteral("LogButton"));
    // Plain text: a report's "<TAB>" and "<#14>" must not be read as markup.
    ErrMsgLabel->setTextFormat(Qt::PlainText);
    ErrMsgLabel->setWordWrap(true);
    ErrMsgLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ErrMsgLabel->move(8, 8);
    OKButton->setFixedSize(ButtonSize);
    LogButton->setFixedSize(ButtonSize);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &TSysErrorWindow::OKButtonClick);
    connect(LogButton, &QPushButton::clicked, this, &TSysErrorWindow::LogButtonClick);
  });
}

void TSysErrorWindow::SetLog(TSysErrorLog* log) { log_ = log; }

void TSysErrorWindow::Add(const QString& message) {
  Guard(ContextName("Add"), Mode::Propagate, [&] {
    const QString stamp = CurrentTimeStamp();
    setWindowTitle(QStringLiteral("Program Error @ ") + stamp);
    if (log_)
      log_->Add(stamp + message);

    // StuffAmpersands doubles "&" for labels that take "&" as a mnemonic
    // sign. A plain-text QLabel without a buddy shows "&" as it is, so the
    // doubling would show "&&": the message goes in undoubled, and the label
    // shows each "&" once, as the doubling intends.
    const QString display = DisplayLineBreaks(ConvertNonPrintables(message, true));
    const QRect screen = ScreenRect();
    const int labelWidth = MinMaxInt(LongestLineTextWidth(display), 275, screen.width() / 2);
    ErrMsgLabel->setText(display);
    ErrMsgLabel->resize(labelWidth, ErrMsgLabel->heightForWidth(labelWidth));

    setFixedSize(MinMaxInt(labelWidth + 26, 325, 3 * screen.width() / 4), ErrMsgLabel->height() + 76);
    FormResize();  // a hidden window gets its resize event only when shown

    if (!isVisible()) {
      if (!shownBefore_)
        move(CentredOn(screen, size()));
      shownBefore_ = true;
      show();
    }
  });
}

// Rounded up so that the widest line fits the label without wrapping.
int TSysErrorWindow::LongestLineTextWidth(const QString& text) const {
  return Guard(ContextName("LongestLineTextWidth"), Mode::Propagate, [&] {
    const QFontMetricsF metrics(ErrMsgLabel->font());
    qreal widest = 0;
    for (const QString& line : text.split(u'\n'))
      widest = std::max(widest, metrics.horizontalAdvance(line));
    return int(std::ceil(widest));
  });
}

void TSysErrorWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  FormResize();
}

// The buttons sit 11 pixels below the label, 12 pixels apart around the
// point 5 pixels left of the middle.
void TSysErrorWindow::FormResize() {
  Guard(ContextName("FormResize"), Mode::Final, [&] {
    const int c = width() / 2 - 5;
    const int top = ErrMsgLabel->y() + ErrMsgLabel->height() + 11;
    OKButton->move(c - 6 - OKButton->width(), top);
    LogButton->move(c + 6, top);
  });
}

void TSysErrorWindow::OKButtonClick() {
  Guard(ContextName("OKButtonClick"), Mode::Final, [&] { hide(); });
}

void TSysErrorWindow::LogButtonClick() {
  Guard(ContextName("LogButtonClick"), Mode::Final, [&] {
    if (!log_)
      return;
    log_->show();
    log_->raise();
    log_->activateWindow();
  });
}

void InstallSysErrorWindow(TSysErrorWindow* window) {
  Guard(ContextName("InstallSysErrorWindow"), Mode::Propagate, [&] {
    SetFinalReporter([target = QPointer<TSysErrorWindow>(window)](const QString& report) {
      try {
        if (!target)
          RaiseMessage(report);  // the window is gone: the report still gets seen
        target->Add(report);
      } catch (const std::exception& error) {
        ShowDefaultErrorDisplay(error);
      }
    });
  });
}
