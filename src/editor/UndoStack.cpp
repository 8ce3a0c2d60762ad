#include "UndoStack.h"

#include "ExceptionUnit.h"

#include <algorithm>

void TUndoStack::Push(const TSnapshot& snapshot) {
  if (count_ > 0) {
    // Keep the old top as the difference from the new one.
    const QString& older = top_.Text;
    const QString& newer = snapshot.Text;
    const qsizetype limit = std::min(older.size(), newer.size());
    qsizetype prefix = 0;
    while (prefix < limit && older[prefix] == newer[prefix])
      ++prefix;
    qsizetype suffix = 0;
    while (suffix < limit - prefix && older[older.size() - 1 - suffix] == newer[newer.size() - 1 - suffix])
      ++suffix;
    below_.append({int(prefix), int(suffix), older.mid(prefix, older.size() - prefix - suffix), top_.SelStart,
                   top_.SelLength});
  }
  top_ = snapshot;
  ++count_;
}

void TUndoStack::PushEdit(int start, int length, const QString& inserted, int selStart, int selLength) {
  Guard(TContextName("TUndoStack.", "PushEdit"), Mode::Propagate, [&] {
    if (count_ == 0)
      RaiseMessage(QStringLiteral("No snapshot to edit"));
    const qsizetype size = top_.Text.size();
    if (start < 0 || length < 0 || start > size - length)
      RaiseMessage(QStringLiteral("Span %1, %2 lies outside the text").arg(start).arg(length));
    below_.append({start, int(size - start - length), top_.Text.mid(start, length), top_.SelStart, top_.SelLength});
    top_.Text.replace(start, length, inserted);
    top_.SelStart = selStart;
    top_.SelLength = selLength;
    ++count_;
  });
}

TSnapshot TUndoStack::Pop() {
  TSnapshot popped = top_;
  --count_;
  if (below_.isEmpty()) {
    top_ = {};
    return popped;
  }
  const TStackNode node = below_.takeLast();
  const QString& newer = popped.Text;
  top_.Text = newer.left(node.Prefix) + node.Middle + newer.right(node.Suffix);
  top_.SelStart = node.SelStart;
  top_.SelLength = node.SelLength;
  return popped;
}

void TUndoStack::Clear() {
  below_.clear();
  top_ = {};
  count_ = 0;
}
