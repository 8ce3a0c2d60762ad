// The clipboard round trip: Paste All brings a message in, Copy All takes it
// out with the footer; the ordinary clipboard commands of the pane.
#include "EditPane.h"
#include "Footer.h"
#include "MainUnit.h"
#include "TextModel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>

namespace {

bool ClipboardHasText() {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  return data && data->hasText();
}

}  // namespace

// The items follow the selection and the clipboard at all times, not only
// when a menu opens, so a shortcut never acts on a stale state.
void TMainWindow::UpdateClipboardItems() {
  const bool selection = EditPane->textCursor().hasSelection();
  CutMenuItem->setEnabled(selection);
  CopyMenuItem->setEnabled(selection);
  const bool text = ClipboardHasText();
  PasteMenuItem->setEnabled(text);
  PasteAllMenuItem->setEnabled(text);
}

void TMainWindow::Clipboard1Click() {
  Guard(ContextName("Clipboard1Click"), Mode::Propagate, [&] { UpdateClipboardItems(); });
}

void TMainWindow::PopupMenu1Popup() {
  Guard(ContextName("PopupMenu1Popup"), Mode::Final, [&] { UpdateClipboardItems(); });
}

void TMainWindow::CutMenuItemClick() {
  Guard(ContextName("CutMenuItemClick"), Mode::Final, [&] { EditPane->cut(); });
}

void TMainWindow::CopyMenuItemClick() {
  Guard(ContextName("CopyMenuItemClick"), Mode::Final, [&] { EditPane->copy(); });
}

void TMainWindow::PasteMenuItemClick() {
  Guard(ContextName("PasteMenuItemClick"), Mode::Final, [&] {
    EditPane->paste();
    RemoveTabs();
  });
}

void TMainWindow::SelectAllMenuItemClick() {
  Guard(ContextName("SelectAllMenuItemClick"), Mode::Final, [&] { EditPane->selectAll(); });
}

void TMainWindow::PasteAllMenuItemClick() {
  Guard(ContextName("PasteAllMenuItemClick"), Mode::Final, [&] {
    ClearStack();
    EditPane->clear();
    EditPane->paste();
    RemoveTabs();
  });
}

// The pane's whole text, a line break and the footer, with the pane's own
// CR LF line ends; the user's selection is left as it was.
void TMainWindow::CopyAllMenuItemClick() {
  Guard(ContextName("CopyAllMenuItemClick"), Mode::Final, [&] {
    const int start = EditPane->SelStart();
    const int length = EditPane->SelLength();
    QApplication::clipboard()->setText(EditPane->Text() + CrLf + FooterStr());
    SelectText(start, length);
  });
}

void TMainWindow::RemoveTabs() {
  Guard(ContextName("RemoveTabs"), Mode::Propagate, [&] {
    QString text = EditPane->Text();
    if (text.contains(u'\t'))
      EditPane->SetText(text.replace(u'\t', u' '));
  });
}
