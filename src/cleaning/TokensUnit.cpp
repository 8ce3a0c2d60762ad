#include "TokensUnit.h"

#include "ExceptionUnit.h"

#include <algorithm>
#include <limits>

namespace {

TContextName ContextName(const char* name) { return TContextName("TTokens.", name); }

const QChar Space(u' ');

enum class TCharClass { Letter, Digit, Other };

bool IsLetter(QChar c) {
  const char16_t u = c.unicode();
  return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
}

bool IsDigit(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }

TCharClass ClassOf(QChar c) {
  if (IsLetter(c))
    return TCharClass::Letter;
  return IsDigit(c) ? TCharClass::Digit : TCharClass::Other;
}

bool Separates(TTokenKind kind) { return kind == tkBlankLine || kind == tkListBullet; }

// Every token Parse makes, in stream order: visit(text, kind, line, position,
// spaceAfter). Shared by the counting pass and the filling pass.
template <class Visit>
void ForEachToken(const QStringList& lines, qsizetype first, qsizetype end, Visit visit) {
  for (qsizetype i = first; i < end; ++i) {
    const QStringView line(lines[i]);
    qsizetype pos = 0;
    while (pos < line.size() && line[pos] == Space)
      ++pos;
    if (pos == line.size()) {
      visit(QStringView(), tkBlankLine, int(i), 1, false);
      continue;
    }
    for (int position = 1; pos < line.size(); ++position) {
      TTokenKind kind;
      bool spaceAfter;
      const QStringView token = ScanToken(line, pos, kind, spaceAfter);
      visit(token, kind, int(i), position, spaceAfter);
    }
  }
}

}  // namespace

int PatternLength(const TListPattern& pattern) {
  int n = 0;
  while (n < int(pattern.size()) && pattern[n].ListType != ltNone)
    ++n;
  return n;
}

QStringView ScanToken(QStringView text, qsizetype& pos, TTokenKind& kind, bool& spaceAfter) {
  while (pos < text.size() && text[pos] == Space)
    ++pos;
  const qsizetype start = pos;
  kind = tkOther;
  if (pos < text.size()) {
    const TCharClass cls = ClassOf(text[pos]);
    while (pos < text.size() && text[pos] != Space && ClassOf(text[pos]) == cls)
      ++pos;
    if (cls == TCharClass::Letter)
      kind = pos - start == 1 ? tkLetter : tkWord;
    else if (cls == TCharClass::Digit)
      kind = tkNumber;
  }
  spaceAfter = pos == text.size() || text[pos] == Space;
  return text.mid(start, pos - start);
}

void TTokens::Clear() {
  Guard(ContextName("Clear"), Mode::Propagate, [&] {
    std::deque<TEntry>().swap(entries_);  // clear() may keep a block
    pool_ = QString();
  });
}

quint32 TTokens::PoolAppend(QStringView text) {
  if (quint64(pool_.size()) + quint64(text.size()) > std::numeric_limits<quint32>::max())
    RaiseMessage(QStringLiteral("The text is too large for the token stream"));
  const auto offset = quint32(pool_.size());
  pool_.append(text);
  return offset;
}

void TTokens::AppendEntry(QStringView text, const TTokenInfo& info) {
  TEntry entry;
  entry.offset = PoolAppend(text);
  entry.length = quint32(text.size());
  entry.info = info;
  entries_.push_back(entry);
}

void TTokens::Add(QStringView text, TTokenKind kind, int line, int position, bool spaceAfter) {
  Guard(ContextName("Add"), Mode::Propagate,
        [&] { AppendEntry(text, TTokenInfo{line, position, kind, spaceAfter}); });
}

void TTokens::Append(TTokens& other) {
  Guard(ContextName("Append"), Mode::Propagate, [&] {
    if (&other == this)
      RaiseMessage(QStringLiteral("A token stream cannot be appended to itself"));
    const quint32 shift = PoolAppend(other.pool_);
    for (TEntry entry : other.entries_) {
      entry.offset += shift;
      entries_.push_back(entry);
    }
    other.Clear();
  });
}

QString TTokens::GetToken(QString& text, int line, int position) {
  return Guard(ContextName("GetToken"), Mode::Propagate, [&] {
    qsizetype pos = 0;
    TTokenKind kind;
    bool spaceAfter;
    const QString token = ScanToken(text, pos, kind, spaceAfter).toString();
    AppendEntry(token, TTokenInfo{line, position, kind, spaceAfter});
    text.remove(0, pos);
    return token;
  });
}

void TTokens::Parse(const QStringList& lines, qsizetype first, qsizetype count) {
  Guard(ContextName("Parse"), Mode::Propagate, [&] {
    Clear();
    if (first < 0 || first > lines.size())
      RaiseMessage(QStringLiteral("Line %1 out of bounds (%2 lines)").arg(first).arg(lines.size()));
    const qsizetype end = count < 0 ? lines.size() : std::min(lines.size(), first + count);
    // Count first so that the pool is allocated once, at its final size.
    qsizetype chars = 0;
    ForEachToken(lines, first, end, [&](QStringView token, TTokenKind, int, int, bool) { chars += token.size(); });
    pool_.reserve(chars);
    ForEachToken(lines, first, end, [&](QStringView token, TTokenKind kind, int line, int position, bool spaceAfter) {
      AppendEntry(token, TTokenInfo{line, position, kind, spaceAfter});
    });
  });
}

const TTokens::TEntry& TTokens::At(int i, const char* routine) const {
  if (i < 0 || i >= Count())
    RaiseMessage(QStringLiteral("Token index %1 out of bounds (%2 tokens) in %3")
                     .arg(i)
                     .arg(Count())
                     .arg(QString::fromLatin1(routine)));
  return entries_[size_t(i)];
}

TTokenInfo TTokens::GetInfoAtIndex(int i) const {
  return Guard(ContextName("GetInfoAtIndex"), Mode::Propagate,
               [&] { return At(i, "GetInfoAtIndex").info; });
}

QString TTokens::Text(int i) const {
  return Guard(ContextName("Text"), Mode::Propagate, [&] { return View(At(i, "Text")).toString(); });
}

QStringView TTokens::TextView(int i) const {
  return Guard(ContextName("TextView"), Mode::Propagate, [&] { return View(At(i, "TextView")); });
}

void TTokens::SetText(int i, const QString& text) {
  Guard(ContextName("SetText"), Mode::Propagate, [&] {
    At(i, "SetText");
    TEntry& entry = entries_[size_t(i)];
    entry.offset = PoolAppend(text);
    entry.length = quint32(text.size());
  });
}

QString TTokens::GetTokenStr() const {
  return Guard(ContextName("GetTokenStr"), Mode::Propagate, [&] {
    const TEntry& first = At(0, "GetTokenStr");
    QString s = View(first).toString();
    if (first.info.SpaceAfter)
      s += Space;
    return s;
  });
}

void TTokens::DeleteFirst() {
  Guard(ContextName("DeleteFirst"), Mode::Propagate, [&] {
    At(0, "DeleteFirst");
    entries_.pop_front();
    if (entries_.empty())
      Clear();
  });
}

// The passes below rewrite the stream front to back into its own store. They
// give what deleting and joining entries from the back would give: whether an
// entry joins its neighbour depends only on values those deletions never
// change.

void TTokens::Concatenate() {
  Guard(ContextName("Concatenate"), Mode::Propagate, [&] {
    const auto joins = [](const TEntry& a, const TEntry& b) {
      return !a.info.SpaceAfter && !Separates(a.info.Kind) && !Separates(b.info.Kind);
    };
    size_t w = 0;
    for (size_t r = 0; r < entries_.size();) {
      TEntry group = entries_[r];
      size_t last = r;
      bool contiguous = true;
      while (last + 1 < entries_.size() && joins(entries_[last], entries_[last + 1])) {
        contiguous = contiguous && entries_[last].offset + entries_[last].length == entries_[last + 1].offset;
        ++last;
      }
      if (last > r) {
        if (contiguous) {
          group.length = entries_[last].offset + entries_[last].length - group.offset;
        } else {
          QString joined;
          for (size_t j = r; j <= last; ++j)
            joined += View(entries_[j]);
          group.offset = PoolAppend(joined);
          group.length = quint32(joined.size());
        }
        group.info.SpaceAfter = true;
      }
      entries_[w++] = group;
      r = last + 1;
    }
    entries_.resize(w);
  });
}

void TTokens::StripBlankLines() {
  Guard(ContextName("StripBlankLines"), Mode::Propagate, [&] {
    size_t w = 0;
    for (size_t r = 0; r < entries_.size(); ++r)
      if (entries_[r].info.Kind != tkBlankLine && entries_[r].length != 0)
        entries_[w++] = entries_[r];
    entries_.resize(w);
  });
}

bool TTokens::Matches(const TEntry& entry, const TListPatternElement& element, int position) const {
  if (entry.info.Position != position)
    return false;
  switch (element.ListType) {
    case ltBulleted:
      return View(entry) == element.Text;
    case ltNumbered:
      return entry.info.Kind == tkNumber;
    case ltLettered:
      return entry.info.Kind == tkLetter;
    case ltNone:
      break;
  }
  return false;
}

bool TTokens::ListBullet(int i, const TListPattern& pattern) const {
  return Guard(ContextName("ListBullet"), Mode::Propagate, [&] {
    const int n = PatternLength(pattern);
    if (n == 0 || i < 0 || i > Count() - n)
      return false;
    for (int p = 0; p < n; ++p)
      if (!Matches(entries_[size_t(i + p)], pattern[size_t(p)], p + 1))
        return false;
    return true;
  });
}

void TTokens::MarkListBullets(const TListPattern& pattern) {
  Guard(ContextName("MarkListBullets"), Mode::Propagate, [&] {
    const int n = PatternLength(pattern);
    if (n == 0)
      return;
    size_t w = 0;
    QString bullet;
    for (size_t r = 0; r < entries_.size();) {
      if (!ListBullet(int(r), pattern)) {
        entries_[w++] = entries_[r++];
        continue;
      }
      bullet.clear();
      for (size_t a = r; a < r + size_t(n); ++a) {
        bullet += View(entries_[a]);
        if (entries_[a].info.SpaceAfter)
          bullet += Space;
      }
      TEntry marked = entries_[r];
      marked.info.Kind = tkListBullet;
      marked.info.SpaceAfter = false;
      marked.offset = PoolAppend(bullet);
      marked.length = quint32(bullet.size());
      entries_[w++] = marked;
      r += size_t(n);
    }
    entries_.resize(w);
  });
}

void TTokens::RemoveListBullets() {
  Guard(ContextName("RemoveListBullets"), Mode::Propagate, [&] {
    for (size_t r = 0; r < entries_.size(); ++r) {
      TEntry& entry = entries_[r];
      if (entry.info.Kind != tkListBullet)
        continue;
      if (entry.length > 0 && pool_[entry.offset + entry.length - 1] == Space) {
        entry.info.SpaceAfter = true;
        while (entry.length > 0 && pool_[entry.offset + entry.length - 1] == Space)
          --entry.length;
      }
      entry.info.Kind = tkWord;
    }
  });
}
