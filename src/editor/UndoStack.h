#pragma once
// The editor's undo history: snapshots of the whole text and selection,
// unbounded, no redo. Only the top snapshot holds its text in full; each one
// below keeps just the span where it differs from the snapshot above it, so a
// long run of small edits (a replace chain, clicks that change nothing)
// costs memory in proportion to what changed, not to the text's size.

#include <QList>
#include <QString>

struct TSnapshot {
  QString Text;
  int SelStart = 0;
  int SelLength = 0;
};

class TUndoStack {
public:
  void Push(const TSnapshot& snapshot);
  // Pushes a snapshot whose text is the top's with `length` characters at
  // `start` replaced by `inserted`: a chain of small edits need not hand
  // over, nor compare, the whole text per step. Raises when the stack is
  // empty or the span lies outside the top's text.
  void PushEdit(int start, int length, const QString& inserted, int selStart, int selLength);
  // Removes and returns the top snapshot; the stack must not be empty.
  TSnapshot Pop();
  const TSnapshot& Top() const { return top_; }
  bool IsEmpty() const { return count_ == 0; }
  int Count() const { return count_; }
  void Clear();

private:
  // A snapshot below the top: its text is the one above with the span
  // [prefix, size - suffix) replaced by `middle`.
  struct TStackNode {
    int Prefix = 0;
    int Suffix = 0;
    QString Middle;
    int SelStart = 0;
    int SelLength = 0;
  };

  TSnapshot top_;
  QList<TStackNode> below_;  // oldest first
  int count_ = 0;
};
