// The scope protocol: load the selected or whole text into TempStrs, let an
// operation work on the lines, write them back over the same range.
#include "EditPane.h"
#include "MainUnit.h"
#include "TextModel.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QRadioButton>

void TMainWindow::SaveSelTextVals() {
  Guard(ContextName("SaveSelTextVals"), Mode::Propagate, [&] {
    if (SelTextButton->isChecked()) {
      SavedSelStart = EditPane->SelStart();
      TempStrs = SplitLines(EditPane->SelText());
    } else {
      TempStrs = SplitLines(EditPane->Text());
    }
  });
}

void TMainWindow::RestoreSelTextVals() {
  Guard(ContextName("RestoreSelTextVals"), Mode::Propagate, [&] {
    const QString joined = JoinLines(TempStrs);
    if (SelTextButton->isChecked()) {
      EditPane->ReplaceSelection(joined);
      SelectText(SavedSelStart, joined.size());
    } else {
      EditPane->SetText(joined);
    }
    ConfigRadioButtons();
    FocusEditPane();
  });
}

void TMainWindow::ConfigRadioButtons() {
  Guard(ContextName("ConfigRadioButtons"), Mode::Propagate, [&] {
    const bool selection = EditPane->SelLength() != 0;
    SelTextButton->setEnabled(selection);
    (selection ? SelTextButton : AllTextButton)->setChecked(true);
  });
}

void TMainWindow::SelectText(int start, int length) {
  Guard(ContextName("SelectText"), Mode::Propagate, [&] {
    EditPane->Select(start, length);
    ConfigRadioButtons();
  });
}

// The caret stands at the end of a selection made by SelectText, so the
// selected text lies to its left. For a selection over several lines the
// rectangle does not cover it; callers only use it to keep clear of it.
QRect TMainWindow::SelTextBoundsRect() {
  return Guard(ContextName("SelTextBoundsRect"), Mode::Propagate, [&] {
    const QFontMetrics metrics(EditPane->font());
    const QPoint caret = EditPane->CaretPos();
    const QString selected = EditPane->SelText();
    const QPoint topLeft(caret.x() - metrics.horizontalAdvance(selected), caret.y());
    const QPoint bottomRight(caret.x(), caret.y() + metrics.height());
    QWidget* viewport = EditPane->viewport();
    return QRect(viewport->mapToGlobal(topLeft), viewport->mapToGlobal(bottomRight));
  });
}

void TMainWindow::EditPaneChange() {
  Guard(ContextName("EditPaneChange"), Mode::Propagate, [&] { ConfigRadioButtons(); });
}

void TMainWindow::SelTextButtonClick() {
  Guard(ContextName("SelTextButtonClick"), Mode::Final, [&] { FocusEditPane(); });
}

void TMainWindow::AllTextButtonClick() {
  Guard(ContextName("AllTextButtonClick"), Mode::Propagate, [&] { FocusEditPane(); });
}

void TMainWindow::GenericCheckBoxClick() {
  Guard(ContextName("RGTCheckBoxClick"), Mode::Propagate, [&] { FocusEditPane(); });
}

void TMainWindow::HorzScrollCheckBoxClick() {
  Guard(ContextName("HorzScrollCheckBoxClick"), Mode::Final, [&] {
    const bool scroll = HorzScrollCheckBox->isChecked();
    EditPane->setLineWrapMode(scroll ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    EditPane->setHorizontalScrollBarPolicy(scroll ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    FocusEditPane();
  });
}
