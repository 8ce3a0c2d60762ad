// The undo history: a snapshot before every user-started change and on every
// click in the pane; Undo puts the top one back.
#include "EditPane.h"
#include "MainUnit.h"

#include <QAction>

void TMainWindow::Push() {
  Guard(ContextName("Push"), Mode::Propagate, [&] {
    UndoStack.Push({EditPane->Text(), EditPane->SelStart(), EditPane->SelLength()});
    UpdateUndoItems();
  });
}

void TMainWindow::Pop() {
  Guard(ContextName("Pop"), Mode::Propagate, [&] {
    if (UndoStack.IsEmpty())
      return;
    const TSnapshot& top = UndoStack.Top();
    EditPane->SetText(top.Text);
    SelectText(top.SelStart, top.SelLength);
    UndoStack.Pop();
    UpdateUndoItems();
  });
}

// Each pop restores its snapshot, so the pane ends at the oldest one.
void TMainWindow::ClearStack() {
  Guard(ContextName("ClearStack"), Mode::Propagate, [&] {
    while (!UndoStack.IsEmpty())
      Pop();
  });
}

void TMainWindow::UndoMenuItemClick() {
  Guard(ContextName("UndoMenuItemClick"), Mode::Final, [&] { Pop(); });
}

void TMainWindow::UpdateUndoItems() {
  const bool any = !UndoStack.IsEmpty();
  UndoMenuItem->setEnabled(any);
  UndoPopUpMenuItem->setEnabled(any);
}

void TMainWindow::EditPaneClick() {
  Guard(ContextName("EditPaneClick"), Mode::Final, [&] { Push(); });
}
