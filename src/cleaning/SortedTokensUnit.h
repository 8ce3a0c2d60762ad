#pragma once
// List detection: the first five tokens of every line, position by position.
// Position 1 asks whether a clear share of all lines start with the same
// text, a number or a single letter; each later position looks only at the
// lines that matched so far and asks whether nearly all of them agree. The
// positions that agree form the list pattern.

#include "TokensUnit.h"

#include <optional>

// The statistics of one line position: its entries in case-insensitive order
// (ASCII letters folded), a text equal to earlier ones placed before them.
class TSortedTokens {
public:
  int Count() const { return int(entries_.size()); }
  void Clear();
  // Inserts an entry at its sorted place. Fails only when the texts outgrow
  // the 32-bit store.
  void Add(QStringView text, const TTokenInfo& info);
  // Entry i's text in sorted order; raises when i is out of range.
  QString Text(int i) const;
  // Entry i's info, or none when i is outside 0..Count()-1.
  std::optional<TTokenInfo> GetInfoAtIndex(int i) const;
  // The index of the first entry of that source line, or -1.
  int LineNumberIndex(int line) const;
  // Whether that line's entry carries this position's common item.
  bool LineInPattern(int line) const;
  // Drops the entries whose line did not match at the previous position
  // (none for position 1) and decides ListType, Bullet and BulletCount.
  void Evaluate(const TSortedTokens* previous);

  TListType ListType() const { return listType_; }
  QString Bullet() const { return bullet_; }
  int BulletCount() const { return bulletCount_; }
  int LetterCount() const { return letterCount_; }
  int NumberCount() const { return numberCount_; }

private:
  struct TEntry {
    quint32 offset = 0;
    quint32 length = 0;
    TTokenInfo info;
  };

  QStringView View(const TEntry& entry) const { return QStringView(pool_).mid(entry.offset, entry.length); }
  void EnsureSorted() const;
  void CheckForBullets();
  void CheckForNumbers();
  void CheckForLetters();

  QString pool_;
  // Entries before sorted_ are in order; later ones were added since.
  mutable std::vector<TEntry> entries_;
  mutable size_t sorted_ = 0;
  mutable std::vector<int> lineIndex_;  // entry index by line, built on demand
  mutable bool lineIndexValid_ = false;

  TListType listType_ = ltNone;
  QString bullet_;
  int bulletCount_ = 0;
  int letterCount_ = 0;
  int numberCount_ = 0;
};

// The outcome of list detection over a block of lines.
struct TListDetection {
  bool Detected = false;        // position 1 found a common item
  TListPattern Pattern;         // positions 1 to 5; the set ones first
  TListType Dominant = ltNone;  // the highest type over the five positions
};

// Runs list detection on the lines. Never fails on any text; raises only
// when memory runs out.
TListDetection DetectList(const QStringList& lines);

// "bulleted", "numbered" or "lettered" for 1 to 3, "invalid" otherwise.
QString DominantListTypeStr(int listType);

// Whether text converts to a signed 32-bit integer: a run of ASCII digits
// whose value is at most 2147483647.
bool IsInt32Text(QStringView text);
