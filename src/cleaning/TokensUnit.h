#pragma once
// The token stream of the re-flow engine: lines are pulled apart into runs
// of letters, digits or other characters; spaces are not stored, each token
// only records whether a space (or its line's end) followed it. A blank line
// becomes one token of its own so that paragraph boundaries survive.
//
// Character classes are ASCII: letters A-Z a-z, digits 0-9, space 0x20;
// everything else (tabs, code 0x80 and above) is "other".

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <cstdint>
#include <deque>

enum TTokenKind : quint8 {
  tkWord = 0,        // two or more letters; also a former list bullet
  tkLetter = 1,      // exactly one letter
  tkNumber = 2,      // one or more digits
  tkOther = 3,       // other characters; also an empty token
  tkBlankLine = 4,   // empty; stands for a blank source line
  tkListBullet = 6,  // the joined components of a list bullet
};

enum TListType : quint8 { ltNone = 0, ltBulleted = 1, ltNumbered = 2, ltLettered = 3 };

struct TTokenInfo {
  qint32 Line = 0;      // source line, from 0
  qint32 Position = 0;  // ordinal within its source line, from 1
  TTokenKind Kind = tkOther;
  bool SpaceAfter = false;
};

// One element of the list pattern, for one line position. Text is the
// literal a bulleted element matches; the other types ignore it.
struct TListPatternElement {
  TListType ListType = ltNone;
  QString Text;
};

// Elements for line positions 1 to 5; the set ones come first.
using TListPattern = std::array<TListPatternElement, 5>;

// The number of pattern elements whose type is not ltNone.
int PatternLength(const TListPattern& pattern);

// Cuts the next token off text starting at pos (leading spaces skipped) and
// advances pos past it. Returns the token's text; kind and SpaceAfter go to
// the out parameters. Only spaces left gives an empty tkOther token.
QStringView ScanToken(QStringView text, qsizetype& pos, TTokenKind& kind, bool& spaceAfter);

class TTokens {
public:
  int Count() const { return int(entries_.size()); }
  bool IsEmpty() const { return entries_.empty(); }
  void Clear();

  // Appends one entry. Fails only when the stream outgrows its 32-bit store.
  void Add(QStringView text, TTokenKind kind, int line, int position, bool spaceAfter);
  // Moves every entry of other to the end of this stream; other is left
  // empty. Fails like Add.
  void Append(TTokens& other);

  // Cuts one token off the front of text (the caller's string is shortened),
  // appends it with the given line and position, and returns its text.
  QString GetToken(QString& text, int line, int position);

  // Clears the stream and fills it from the lines, or from count lines
  // starting at first (Line still counts from lines[0]; count -1: to the end).
  void Parse(const QStringList& lines, qsizetype first = 0, qsizetype count = -1);

  // The info record of entry i; raises when i is outside 0..Count()-1.
  TTokenInfo GetInfoAtIndex(int i) const;

  // Entry i's text; raises when i is out of range. The view stays valid
  // until the stream is next changed.
  QString Text(int i) const;
  QStringView TextView(int i) const;
  // Replaces entry i's text; raises when i is out of range.
  void SetText(int i, const QString& text);

  // The first entry's text plus one space when SpaceAfter is set; raises on
  // an empty stream.
  QString GetTokenStr() const;
  // Drops the first entry in constant time; raises on an empty stream.
  void DeleteFirst();

  // Joins the pieces of every word (entries not followed by a space) into
  // one entry; never across a blank-line or bullet entry.
  void Concatenate();
  // Deletes every blank-line entry and every entry with empty text.
  void StripBlankLines();
  // Whether entries i, i+1, ... form a list bullet under the pattern; false
  // for an empty pattern or a bullet that would run past the end.
  bool ListBullet(int i, const TListPattern& pattern) const;
  // Turns every list bullet into one tkListBullet entry whose text is its
  // components with single spaces where the source had spaces.
  void MarkListBullets(const TListPattern& pattern);
  // Turns every tkListBullet entry back into a word; a trailing space of its
  // text becomes the SpaceAfter flag.
  void RemoveListBullets();

private:
  // Token texts live in one pool; an entry holds its place in it. Parse
  // writes texts in stream order, so a word's pieces sit side by side and
  // joining them only widens the first entry. The entries sit in a deque so
  // that taking them off the front is cheap and frees their memory.
  struct TEntry {
    quint32 offset = 0;
    quint32 length = 0;
    TTokenInfo info;
  };

  void AppendEntry(QStringView text, const TTokenInfo& info);
  quint32 PoolAppend(QStringView text);
  const TEntry& At(int i, const char* routine) const;
  QStringView View(const TEntry& entry) const { return QStringView(pool_).mid(entry.offset, entry.length); }
  bool Matches(const TEntry& entry, const TListPatternElement& element, int position) const;

  QString pool_;
  std::deque<TEntry> entries_;
};
