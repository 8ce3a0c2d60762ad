#include "SortedTokensUnit.h"

#include "ExceptionUnit.h"

#include <algorithm>
#include <limits>

namespace {

TContextName ContextName(const char* name) { return TContextName("TSortedTokens.", name); }
TContextName DetectName(const char* name) { return TContextName("TMainWindow.", name); }

// A common item must be carried by at least this many lines.
constexpr int MinimumCount = 3;
// The bullets that need the later-position share even at position 1.
const QString CommonWords = QStringLiteral(".AND.THE.");

char16_t FoldCase(QChar c) {
  const char16_t u = c.unicode();
  return (u >= u'a' && u <= u'z') ? char16_t(u - (u'a' - u'A')) : u;
}

int CompareIgnoringCase(QStringView a, QStringView b) {
  const qsizetype n = std::min(a.size(), b.size());
  for (qsizetype i = 0; i < n; ++i) {
    const char16_t x = FoldCase(a[i]), y = FoldCase(b[i]);
    if (x != y)
      return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool IsLetterText(QStringView text) {
  if (text.size() != 1)
    return false;
  const char16_t u = FoldCase(text[0]);
  return u >= u'A' && u <= u'Z';
}

QString AsciiUpper(QStringView text) {
  QString upper(text.size(), Qt::Uninitialized);
  for (qsizetype i = 0; i < text.size(); ++i)
    upper[i] = QChar(FoldCase(text[i]));
  return upper;
}

}  // namespace

bool IsInt32Text(QStringView text) {
  if (text.isEmpty())
    return false;
  qint64 value = 0;
  for (QChar c : text) {
    if (c.unicode() < u'0' || c.unicode() > u'9')
      return false;
    value = value * 10 + (c.unicode() - u'0');
    if (value > std::numeric_limits<qint32>::max())
      return false;
  }
  return true;
}

void TSortedTokens::Clear() {
  Guard(ContextName("Clear"), Mode::Propagate, [&] {
    pool_.clear();
    entries_.clear();
    sorted_ = 0;
    lineIndex_.clear();
    lineIndexValid_ = false;
    listType_ = ltNone;
    bullet_.clear();
    bulletCount_ = letterCount_ = numberCount_ = 0;
  });
}

void TSortedTokens::Add(QStringView text, const TTokenInfo& info) {
  Guard(ContextName("Add"), Mode::Propagate, [&] {
    if (quint64(pool_.size()) + quint64(text.size()) > std::numeric_limits<quint32>::max())
      RaiseMessage(QStringLiteral("The text is too large for list detection"));
    entries_.push_back(TEntry{quint32(pool_.size()), quint32(text.size()), info});
    pool_.append(text);
    lineIndexValid_ = false;
  });
}

// Insertion one at a time would move the whole list per entry; sorting what
// was added since the last read gives the same order: among equal texts the
// later entry first, ahead of the equal ones already there.
void TSortedTokens::EnsureSorted() const {
  if (sorted_ == entries_.size())
    return;
  const auto less = [this](const TEntry& a, const TEntry& b) { return CompareIgnoringCase(View(a), View(b)) < 0; };
  const auto added = entries_.begin() + qsizetype(sorted_);
  std::reverse(added, entries_.end());
  std::stable_sort(added, entries_.end(), less);
  // The new entries go first so that they precede equal ones already there.
  std::rotate(entries_.begin(), added, entries_.end());
  std::inplace_merge(entries_.begin(), entries_.end() - qsizetype(sorted_), entries_.end(), less);
  sorted_ = entries_.size();
  lineIndexValid_ = false;
}

QString TSortedTokens::Text(int i) const {
  return Guard(ContextName("Text"), Mode::Propagate, [&] {
    if (i < 0 || i >= Count())
      RaiseMessage(QStringLiteral("List index out of bounds (%1)").arg(i));
    EnsureSorted();
    return View(entries_[size_t(i)]).toString();
  });
}

std::optional<TTokenInfo> TSortedTokens::GetInfoAtIndex(int i) const {
  return Guard(ContextName("GetInfoAtIndex"), Mode::Propagate, [&]() -> std::optional<TTokenInfo> {
    if (i < 0 || i >= Count())
      return std::nullopt;
    EnsureSorted();
    return entries_[size_t(i)].info;
  });
}

// A linear search per line would make every later position quadratic in the
// number of lines; the index is built once per evaluated position.
int TSortedTokens::LineNumberIndex(int line) const {
  return Guard(ContextName("LineNumberIndex"), Mode::Propagate, [&] {
    EnsureSorted();
    if (!lineIndexValid_) {
      qint32 lastLine = -1;
      for (const TEntry& entry : entries_)
        lastLine = std::max(lastLine, entry.info.Line);
      lineIndex_.assign(size_t(lastLine + 1), -1);
      for (int i = Count() - 1; i >= 0; --i) {  // backwards: the first entry of a line wins
        const qint32 entryLine = entries_[size_t(i)].info.Line;
        if (entryLine >= 0)
          lineIndex_[size_t(entryLine)] = i;
      }
      lineIndexValid_ = true;
    }
    return line >= 0 && size_t(line) < lineIndex_.size() ? lineIndex_[size_t(line)] : -1;
  });
}

bool TSortedTokens::LineInPattern(int line) const {
  return Guard(ContextName("LineInPattern"), Mode::Propagate, [&] {
    const int i = LineNumberIndex(line);
    if (i < 0)
      return false;
    const QStringView text = View(entries_[size_t(i)]);
    switch (listType_) {
      case ltBulleted:
        return text == bullet_;
      case ltNumbered:
        return IsInt32Text(text);
      case ltLettered:
        return IsLetterText(text);
      case ltNone:
        break;
    }
    return false;
  });
}

void TSortedTokens::CheckForBullets() {
  bullet_.clear();
  bulletCount_ = 0;
  QStringView previous;
  int run = 0;
  for (const TEntry& entry : entries_) {
    const QStringView text = View(entry);
    if (text.isEmpty())
      continue;
    run = (run > 0 && text == previous) ? run + 1 : 1;
    if (bulletCount_ < run) {
      bullet_ = text.toString();
      bulletCount_ = run;
    }
    previous = text;
  }
}

void TSortedTokens::CheckForNumbers() {
  numberCount_ = int(std::count_if(entries_.begin(), entries_.end(),
                                   [this](const TEntry& e) { return IsInt32Text(View(e)); }));
}

void TSortedTokens::CheckForLetters() {
  letterCount_ = int(std::count_if(entries_.begin(), entries_.end(),
                                   [this](const TEntry& e) { return IsLetterText(View(e)); }));
}

void TSortedTokens::Evaluate(const TSortedTokens* previous) {
  Guard(ContextName("Evaluate"), Mode::Propagate, [&] {
    EnsureSorted();
    if (previous) {
      std::erase_if(entries_, [previous](const TEntry& e) { return !previous->LineInPattern(e.info.Line); });
      sorted_ = entries_.size();
      lineIndexValid_ = false;
    }
    const qint64 m = Count();
    if (m == 0) {
      listType_ = ltNone;
      return;
    }
    CheckForBullets();
    CheckForNumbers();
    CheckForLetters();
    TListType candidate;
    qint64 c;
    if (numberCount_ > letterCount_) {
      candidate = numberCount_ > bulletCount_ ? ltNumbered : ltBulleted;
      c = candidate == ltNumbered ? numberCount_ : bulletCount_;
    } else {
      candidate = letterCount_ > bulletCount_ ? ltLettered : ltBulleted;
      c = candidate == ltLettered ? letterCount_ : bulletCount_;
    }
    // Shares compared in integers: a quotient of exactly one tenth or nine
    // tenths must not pass.
    const bool commonWord = candidate == ltBulleted && CommonWords.contains(QStringLiteral(".") + AsciiUpper(bullet_) + QStringLiteral("."));
    const bool strict = previous != nullptr || commonWord;
    const bool shareHolds = strict ? 10 * c > 9 * m : 10 * c > m;
    listType_ = shareHolds && c >= MinimumCount ? candidate : ltNone;
  });
}

TListDetection DetectList(const QStringList& lines) {
  return Guard(DetectName("DetectList"), Mode::Propagate, [&] {
    std::array<TSortedTokens, 5> sortedPrefixes;
    for (size_t p = 0; p < sortedPrefixes.size(); ++p) {
      const TSortedTokens* previous = p == 0 ? nullptr : &sortedPrefixes[p - 1];
      // Lines that did not match at the position before would be dropped by
      // Evaluate at once; leaving them out keeps the later positions small.
      for (qsizetype i = 0; i < lines.size(); ++i) {
        if (previous && !previous->LineInPattern(int(i)))
          continue;
        qsizetype pos = 0;
        TTokenKind kind = tkOther;
        bool spaceAfter = false;
        QStringView token;
        for (size_t q = 0; q <= p; ++q)
          token = ScanToken(lines[i], pos, kind, spaceAfter);
        sortedPrefixes[p].Add(token, TTokenInfo{int(i), int(p + 1), kind, spaceAfter});
      }
      sortedPrefixes[p].Evaluate(previous);
    }
    TListDetection detection;
    for (size_t p = 0; p < sortedPrefixes.size(); ++p) {
      detection.Pattern[p] = TListPatternElement{sortedPrefixes[p].ListType(), sortedPrefixes[p].Bullet()};
      detection.Dominant = std::max(detection.Dominant, sortedPrefixes[p].ListType());
    }
    detection.Detected = sortedPrefixes[0].ListType() != ltNone;
    return detection;
  });
}

QString DominantListTypeStr(int listType) {
  return Guard(DetectName("DominantListTypeStr"), Mode::Propagate, [&] {
    switch (listType) {
      case ltBulleted:
        return QStringLiteral("bulleted");
      case ltNumbered:
        return QStringLiteral("numbered");
      case ltLettered:
        return QStringLiteral("lettered");
      default:
        return QStringLiteral("invalid");
    }
  });
}
