#pragma once
// The instances of a search text in the editor's text: the 0-based offsets
// (CR LF counting as two characters) where it occurs, ascending and never
// overlapping. One left-to-right scan finds them, resuming after every
// occurrence whether or not it is accepted. Without case sensitivity only
// a-z and A-Z are folded; every other character, those above 127 included,
// compares as it is. With whole words only, an occurrence is accepted when
// neither the character before it nor the one after it is a word character
// (0-9, A-Z, a-z, "_").
//
// The list is collected lazily, only as far as a query needs, and
// TextReplaced keeps the part an edit cannot have changed, so a replace
// chain costs work near each instance instead of a scan of the whole text
// per step. Every answer equals that of a fresh Init on the current text.

#include <QList>
#include <QString>

#include <array>

class TInstances {
public:
  // Clears the list and sets the text and the rules it is collected by. An
  // empty search text never occurs.
  void Init(const QString& text, const QString& searchStr, bool caseSensitive, bool wholeWordsOnly);

  // The first instance at or after offset, or -1.
  int NextInstance(int offset);
  // The last instance before offset, or -1.
  int PrevInstance(int offset);
  // The instance at index (0-based); raises when there is none.
  int GetOffset(int index);
  int Count();
  // Appends an entry after the last instance of the whole text; raises when
  // it would not keep the list ascending.
  void AddOffset(int offset);

  // The text was changed by replacing `length` characters at `start` with
  // newText; the same edit is made to the text held here. Raises when the
  // span lies outside the text.
  void TextReplaced(int start, int length, const QString& newText);

  const QString& Text() const { return text_; }
  int SearchLength() const { return int(pattern_.size()); }

  static bool IsWordChar(QChar c);

private:
  int FindFrom(int from, int limit) const;
  bool Accepted(int offset) const;
  void Append(int occurrence);
  bool Exhausted() const;
  bool CollectNext(int limit);
  void CollectBefore(int offset);
  void Complete();

  QString text_;
  QString pattern_;  // folded when case does not matter
  bool fold_ = true;
  bool wholeWords_ = false;
  std::array<int, 256> shift_{};  // bad-character shifts, keyed by the low byte
  QList<int> occurrences_;        // every occurrence the scan stopped at
  QList<int> accepted_;           // the instances among them
  int frontier_ = 0;              // the scan goes on from here
};
