// Find and replace: the Find Text and Replace Text dialogs, F3, and the
// replace chain. Every step pushes one undo snapshot before it searches; a
// search always covers the whole text, whatever the scope buttons say.
#include "EditPane.h"
#include "FindTextUnit.h"
#include "MainUnit.h"
#include "ReplaceChain.h"
#include "ReplaceTextUnit.h"

#include <QScopeGuard>

void TMainWindow::SetSearchDialogs(TFindTextDialog* findTextDialog, TReplaceTextDialog* replaceTextDialog) {
  FindTextDialog = findTextDialog;
  ReplaceTextDialog = replaceTextDialog;
  // F3 before the first Find repeats the search the dialog last closed with,
  // not the dialog's empty design state.
  Guard(ContextName("SetSearchDialogs"), Mode::Final, [&] { FindTextDialog->ReadSettings(Settings()); });
}

// The snapshot just pushed holds the pane's text: the list is built from it.
void TMainWindow::InitInstances(const TSearchDialog& dialog) {
  Guard(ContextName("InitInstances"), Mode::Propagate, [&] {
    Instances.Init(UndoStack.Top().Text, dialog.GetSearchStr(), dialog.GetCaseSensitive(),
                   dialog.GetWholeWordsOnly());
  });
}

// Nothing found leaves the caret at the end the search ran to, without a
// message and without wrapping around.
void TMainWindow::SelectFound(int offset, bool searchDown) {
  Guard(ContextName("SelectFound"), Mode::Propagate, [&] {
    if (offset >= 0)
      SelectText(offset, Instances.SearchLength());
    else
      SelectText(searchDown ? EditPane->TextLength() : 0, 0);
  });
}

// The first step of a search the dialog confirmed: a snapshot, a fresh
// instance list, and the first instance from the caret or from the end the
// search starts at (-1 when there is none).
int TMainWindow::StartSearch(const TSearchDialog& dialog) {
  return Guard(ContextName("StartSearch"), Mode::Propagate, [&] {
    Push();
    lastReplacement_.reset();
    InitInstances(dialog);
    const bool down = dialog.GetSearchDown();
    const int start = dialog.GetSearchFromCursor() ? EditPane->SelStart() : down ? 0 : EditPane->TextLength();
    return down ? Instances.NextInstance(start) : Instances.PrevInstance(start);
  });
}

void TMainWindow::Find1Click() {
  Guard(ContextName("Find1Click"), Mode::Final, [&] {
    if (!FindTextDialog->Execute(Settings()) || FindTextDialog->GetSearchStr().isEmpty())
      return;
    LastSearchWasReplace = false;
    SelectFound(StartSearch(*FindTextDialog), FindTextDialog->GetSearchDown());
  });
}

// Passes over an instance at the selection start: the one just found.
void TMainWindow::FindNextInstance() {
  Guard(ContextName("FindNextInstance"), Mode::Propagate, [&] {
    Push();
    lastReplacement_.reset();
    InitInstances(*FindTextDialog);
    const bool down = FindTextDialog->GetSearchDown();
    const int start = EditPane->SelStart();
    SelectFound(down ? Instances.NextInstance(start + 1) : Instances.PrevInstance(start), down);
  });
}

void TMainWindow::FindReplacenextinstance1Click() {
  Guard(ContextName("FindReplaceNextInstance1Click"), Mode::Final, [&] {
    if (!LastSearchWasReplace) {
      FindNextInstance();
      return;
    }
    const auto end = qScopeGuard([this] { EndReplaceOperation(); });
    ReplaceNextInstance();
    RunReplaceChain();
  });
}

void TMainWindow::ReplaceText1Click() {
  Guard(ContextName("ReplaceText1Click"), Mode::Final, [&] {
    // Also drops a Replace All request made with an empty search box.
    const auto end = qScopeGuard([this] { EndReplaceOperation(); });
    if (!ReplaceTextDialog->Execute(Settings()) || ReplaceTextDialog->GetSearchStr().isEmpty())
      return;
    LastSearchWasReplace = true;
    const int found = StartSearch(*ReplaceTextDialog);
    if (found < 0)
      return;
    ReplaceStep(found);
    RunReplaceChain();
  });
}

void TMainWindow::RunReplaceChain() {
  Guard(ContextName("RunReplaceChain"), Mode::Propagate, [&] {
    chainRunning_ = true;
    while (ReplaceTextDialog->ReplaceAll)
      ReplaceNextInstance();
  });
}

// However a replace command ends, its chain ends with it, so an error in a
// step cannot leave Replace All pending for the next command.
void TMainWindow::EndReplaceOperation() {
  chainRunning_ = false;
  ReplaceTextDialog->ClearFlags();
}

// Within a running chain the text has changed only by the step before, so
// the snapshot is that change, not a copy and comparison of the whole text.
// A step started by F3 takes a full snapshot and keeps the instance list
// only when the pane still shows what the last step left.
void TMainWindow::PushStep() {
  Guard(ContextName("Push"), Mode::Propagate, [&] {
    if (chainRunning_) {
      const TReplacement change = lastReplacement_.value_or(TReplacement());
      UndoStack.PushEdit(change.Start, change.RemovedLength, change.Inserted, EditPane->SelStart(),
                         EditPane->SelLength());
      UpdateUndoItems();
      return;
    }
    Push();
    const bool unchanged = lastReplacement_ && EditPane->SelLength() == 0 &&
                           EditPane->SelStart() == lastReplacement_->Start && Instances.Text() == UndoStack.Top().Text;
    if (!unchanged) {
      lastReplacement_.reset();
      InitInstances(*ReplaceTextDialog);
    }
  });
}

void TMainWindow::ReplaceNextInstance() {
  Guard(ContextName("ReplaceNextInstance"), Mode::Propagate, [&] {
    PushStep();
    const bool down = ReplaceTextDialog->GetSearchDown();
    const int insertedLength = lastReplacement_ ? int(lastReplacement_->Inserted.size()) : -1;
    const int found = NextReplaceInstance(Instances, down, EditPane->SelStart(), insertedLength);
    if (found >= 0) {
      ReplaceStep(found);
      return;
    }
    ReplaceTextDialog->ClearFlags();
    lastReplacement_.reset();
    SelectFound(-1, down);
    ConfigRadioButtons();
  });
}

// One instance: select it, ask when asked to, replace it and leave the caret
// at the start of the inserted text. The instance list and the snapshots
// must hold exactly the pane's text, so an inserted text that the pane
// stored differently (line breaks become CR LF) is read back from it.
void TMainWindow::ReplaceStep(int offset) {
  Guard(ContextName("ReplaceStep"), Mode::Propagate, [&] {
    TReplaceTextDialog& dialog = *ReplaceTextDialog;
    const int length = Instances.SearchLength();
    SelectText(offset, length);
    const bool replace = !dialog.GetPromptOnReplace() || dialog.AllConfirmed ||
                         dialog.ReplacePrompt(SelTextBoundsRect()) == QMessageBox::Yes;
    lastReplacement_.reset();
    if (replace) {
      QString inserted = dialog.GetReplaceStr();
      EditPane->ReplaceSelection(inserted);
      // Only a line break the pane stores as CR LF changes the length.
      if (EditPane->SelStart() - offset != inserted.size()) {
        EditPane->Select(offset, EditPane->SelStart() - offset);
        inserted = EditPane->SelText();
      }
      lastReplacement_ = TReplacement{offset, length, inserted};
      Instances.TextReplaced(offset, length, lastReplacement_->Inserted);
      SelectText(offset, 0);
    }
    ConfigRadioButtons();
  });
}
