#include "EditPane.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>

namespace {

const QChar ParagraphSeparator(0x2029);

// Blocks are separated by U+2029 in the document's raw text.
QString ToModel(QString raw) { return raw.replace(ParagraphSeparator, QStringLiteral("\r\n")); }

// Every CR LF, lone CR and lone LF becomes one block break.
QString ToDocument(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QChar(u'\r'), QChar(u'\n'));
  return text;
}

}  // namespace

TEditPane::TEditPane(QWidget* parent) : QPlainTextEdit(parent) {
  setUndoRedoEnabled(false);
  setObjectName(QStringLiteral("EditPane"));
}

QString TEditPane::Text() const { return ToModel(document()->toRawText()); }

void TEditPane::SetText(const QString& text) {
  // Lengths first: most changes show there without copying the whole text.
  if (text.size() == TextLength() && text == Text())
    return;
  setPlainText(ToDocument(text));
}

int TEditPane::TextLength() const {
  const QTextDocument* doc = document();
  return doc->characterCount() - 1 + doc->blockCount() - 1;
}

int TEditPane::ModelOffset(int docPos) const {
  return docPos + document()->findBlock(docPos).blockNumber();
}

// The block holding a model offset is the last one whose model start
// (position + number of breaks before it) is not past the offset.
int TEditPane::DocPos(int modelOffset) const {
  const QTextDocument* doc = document();
  int lo = 0, hi = doc->blockCount() - 1;
  while (lo < hi) {
    const int mid = (lo + hi + 1) / 2;
    if (doc->findBlockByNumber(mid).position() + mid <= modelOffset)
      lo = mid;
    else
      hi = mid - 1;
  }
  const QTextBlock block = doc->findBlockByNumber(lo);
  const int pos = modelOffset - lo;
  // An offset on the CR or LF of a break stands at the end of its line.
  return qBound(block.position(), pos, block.position() + block.length() - 1);
}

int TEditPane::SelStart() const { return ModelOffset(textCursor().selectionStart()); }

int TEditPane::SelLength() const {
  const QTextCursor c = textCursor();
  return ModelOffset(c.selectionEnd()) - ModelOffset(c.selectionStart());
}

QString TEditPane::SelText() const { return ToModel(textCursor().selectedText()); }

void TEditPane::Select(int start, int length) {
  const int total = TextLength();
  start = qBound(0, start, total);
  const int end = qBound(start, start + qMax(0, length), total);
  QTextCursor c(document());
  c.setPosition(DocPos(start));
  c.setPosition(DocPos(end), QTextCursor::KeepAnchor);
  setTextCursor(c);
  ensureCursorVisible();
}

void TEditPane::ReplaceSelection(const QString& text) {
  QTextCursor c = textCursor();
  c.insertText(ToDocument(text));
  setTextCursor(c);
}

QPoint TEditPane::CaretPos() const { return cursorRect().topLeft(); }

// Standard editing keys must reach the window's menu actions (which carry
// the same shortcuts) instead of the pane's built-in handling, so that paste
// removes tabs and Ctrl+Z runs the editor's own undo.
bool TEditPane::event(QEvent* e) {
  if (e->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(e);
    for (auto standard : {QKeySequence::Undo, QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Copy,
                          QKeySequence::SelectAll})
      if (key->matches(standard)) {
        e->ignore();
        return false;
      }
  }
  return QPlainTextEdit::event(e);
}

void TEditPane::mouseReleaseEvent(QMouseEvent* e) {
  QPlainTextEdit::mouseReleaseEvent(e);
  if (e->button() == Qt::LeftButton)
    Q_EMIT Clicked();
  Q_EMIT MouseReleased();
}

// Only plain text comes in, whatever the source offers.
void TEditPane::insertFromMimeData(const QMimeData* source) {
  if (!source->hasText())
    return;
  QTextCursor c = textCursor();
  c.insertText(ToDocument(source->text()));
  setTextCursor(c);
  ensureCursorVisible();
}
