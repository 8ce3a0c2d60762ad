#include "SysErrLog.h"

#include "ErrorDisplay.h"
#include "ExceptionUnit.h"
#include "ScreenRect.h"

#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTextBlock>

namespace {

TContextName ContextName(const char* name) { return TContextName("TSysErrorLog.", name); }

QFont LogFont() {
  QFont font(QStringLiteral("Courier New"), 8);
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setHintingPreference(QFont::PreferFullHinting);  // whole-pixel advances
  return font;
}

}  // namespace

TSysErrorLog::TSysErrorLog(QWidget* parent) : QMainWindow(parent, Qt::Window), Memo1(new QPlainTextEdit(this)) {
  FormCreate();
}

void TSysErrorLog::FormCreate() {
  Guard(ContextName("FormCreate"), Mode::Final, [&] {
    setWindowTitle(QStringLiteral("Quillsweep System Error Log"));
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setFont(LogFont());
    setCentralWidget(Memo1);
    menuBar()->addAction(QStringLiteral("Clear"), this, &TSysErrorLog::ClearMenuItemClick);
    menuBar()->addAction(QStringLiteral("Close"), this, &TSysErrorLog::CloseMenuItemClick);

    const QRect screen = ScreenRect();
    resize(490, 337);
    move(CentredOn(screen, size()));

    lines_.SetChangedHandler([this] { ShowLines(); });
    lines_.SetSaveFailedHandler([this](const QString& message) { ShowSaveFailed(message); });
    lines_.Init();
  });
}

void TSysErrorLog::Add(const QString& message) { lines_.Add(message); }

// The view is rebuilt from the lines after every change; at 250 lines that
// costs nothing worth keeping two copies in step for.
void TSysErrorLog::ShowLines() {
  Guard(ContextName("ShowLines"), Mode::Propagate, [&] {
    Memo1->setPlainText(lines_.Lines().join(u'\n'));
    SetSelStart();
  });
}

// The caret at the start of the last line scrolls the newest entry into view.
void TSysErrorLog::SetSelStart() {
  Guard(ContextName("SetSelStart"), Mode::Propagate, [&] {
    QTextCursor cursor(Memo1->document()->lastBlock());
    Memo1->setTextCursor(cursor);
    Memo1->ensureCursorVisible();
  });
}

void TSysErrorLog::ShowSaveFailed(const QString& message) {
  Guard(ContextName("Memo1Change"), Mode::Propagate, [&] {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), DisplayLineBreaks(message), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
  });
}

void TSysErrorLog::ClearMenuItemClick() {
  Guard(ContextName("ClearMenuItemClick"), Mode::Final, [&] { lines_.Clear(); });
}

void TSysErrorLog::CloseMenuItemClick() {
  Guard(ContextName("CloseMenuItemClick"), Mode::Final, [&] { hide(); });
}
