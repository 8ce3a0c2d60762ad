#include "InstancesUnit.h"

#include "ExceptionUnit.h"

#include <algorithm>
#include <limits>

namespace {

TContextName ContextName(const char* name) { return TContextName("TInstances.", name); }

constexpr int Unbounded = std::numeric_limits<int>::max();

inline char16_t Fold(char16_t c, bool fold) { return fold && c >= u'a' && c <= u'z' ? char16_t(c - 32) : c; }

QString Folded(QString s) {
  for (QChar& c : s)
    c = QChar(Fold(c.unicode(), true));
  return s;
}

}  // namespace

bool TInstances::IsWordChar(QChar c) {
  const char16_t u = c.unicode();
  return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || u == u'_';
}

void TInstances::Init(const QString& text, const QString& searchStr, bool caseSensitive, bool wholeWordsOnly) {
  Guard(ContextName("Init"), Mode::Propagate, [&] {
    text_ = text;
    fold_ = !caseSensitive;
    pattern_ = fold_ ? Folded(searchStr) : searchStr;
    wholeWords_ = wholeWordsOnly;
    const int m = int(pattern_.size());
    shift_.fill(std::max(m, 1));
    for (int i = 0; i + 1 < m; ++i)
      shift_[pattern_[i].unicode() & 0xFF] = m - 1 - i;
    occurrences_.clear();
    accepted_.clear();
    frontier_ = 0;
  });
}

// The first occurrence that starts in [from, limit), or -1. Horspool's
// search; characters that share a low byte share a shift, the smallest.
int TInstances::FindFrom(int from, int limit) const {
  const int m = int(pattern_.size());
  const int last = std::min(limit - 1, int(text_.size()) - m);
  if (m == 0)
    return -1;
  const QChar* t = text_.constData();
  const QChar* p = pattern_.constData();
  for (int pos = std::max(from, 0); pos <= last;) {
    int j = m - 1;
    while (j >= 0 && Fold(t[pos + j].unicode(), fold_) == p[j].unicode())
      --j;
    if (j < 0)
      return pos;
    pos += shift_[Fold(t[pos + m - 1].unicode(), fold_) & 0xFF];
  }
  return -1;
}

bool TInstances::Accepted(int offset) const {
  if (!wholeWords_)
    return true;
  const int end = offset + int(pattern_.size());
  if (offset > 0 && IsWordChar(text_[offset - 1]))
    return false;
  return !(end < text_.size() && IsWordChar(text_[end]));
}

void TInstances::Append(int occurrence) {
  occurrences_.append(occurrence);
  if (Accepted(occurrence))
    accepted_.append(occurrence);
  frontier_ = occurrence + int(pattern_.size());
}

bool TInstances::Exhausted() const { return pattern_.isEmpty() || frontier_ > text_.size() - pattern_.size(); }

// Scans on to the next occurrence that starts before limit. Without one the
// scan goes on from limit later: nothing before it can start an occurrence.
bool TInstances::CollectNext(int limit) {
  const int found = FindFrom(frontier_, limit);
  if (found < 0) {
    frontier_ = std::max(frontier_, limit == Unbounded ? int(text_.size()) + 1 : limit);
    return false;
  }
  Append(found);
  return true;
}

void TInstances::CollectBefore(int offset) {
  while (frontier_ < offset && !Exhausted() && CollectNext(offset)) {
  }
}

void TInstances::Complete() {
  while (!Exhausted() && CollectNext(Unbounded)) {
  }
}

int TInstances::NextInstance(int offset) {
  return Guard(ContextName("NextInstance"), Mode::Propagate, [&] {
    const auto it = std::lower_bound(accepted_.cbegin(), accepted_.cend(), offset);
    if (it != accepted_.cend())
      return *it;
    while (!Exhausted() && CollectNext(Unbounded)) {
      const int last = occurrences_.last();
      if (!accepted_.isEmpty() && accepted_.last() == last && last >= offset)
        return last;
    }
    return -1;
  });
}

int TInstances::PrevInstance(int offset) {
  return Guard(ContextName("PrevInstance"), Mode::Propagate, [&] {
    CollectBefore(offset);
    const auto it = std::lower_bound(accepted_.cbegin(), accepted_.cend(), offset);
    return it == accepted_.cbegin() ? -1 : *(it - 1);
  });
}

int TInstances::GetOffset(int index) {
  return Guard(ContextName("GetOffset"), Mode::Propagate, [&] {
    Complete();
    if (index < 0 || index >= accepted_.size())
      RaiseMessage(QStringLiteral("List index out of bounds (%1)").arg(index));
    return accepted_.at(index);
  });
}

int TInstances::Count() {
  return Guard(ContextName("Count"), Mode::Propagate, [&] {
    Complete();
    return int(accepted_.size());
  });
}

void TInstances::AddOffset(int offset) {
  Guard(ContextName("AddOffset"), Mode::Propagate, [&] {
    Complete();
    if (!accepted_.isEmpty() && offset < accepted_.last() + pattern_.size())
      RaiseMessage(QStringLiteral("Offset %1 does not follow the last instance").arg(offset));
    accepted_.append(offset);
  });
}

// Windows of the scan that start before start - m + 1 end before the edit
// and read only unchanged text: what was collected there stays, and the
// scan resumes where the first touched window begins. Only the acceptance
// of an occurrence that ends right at the edit can change, through the
// character after it.
void TInstances::TextReplaced(int start, int length, const QString& newText) {
  Guard(ContextName("TextReplaced"), Mode::Propagate, [&] {
    if (start < 0 || length < 0 || start > text_.size() - length)
      RaiseMessage(QStringLiteral("Span %1, %2 lies outside the text").arg(start).arg(length));
    text_.replace(start, length, newText);
    const int m = int(pattern_.size());
    const int firstTouched = start - m + 1;
    if (frontier_ > firstTouched) {
      const auto keep = [firstTouched](QList<int>& list) {
        list.erase(std::lower_bound(list.begin(), list.end(), firstTouched), list.end());
      };
      keep(occurrences_);
      keep(accepted_);
      const int lastEnd = occurrences_.isEmpty() ? 0 : occurrences_.last() + m;
      frontier_ = std::max({lastEnd, firstTouched, 0});
    }
    if (occurrences_.isEmpty() || occurrences_.last() + m != start)
      return;
    const int last = occurrences_.last();
    const bool listed = !accepted_.isEmpty() && accepted_.last() == last;
    if (listed && !Accepted(last))
      accepted_.removeLast();
    else if (!listed && Accepted(last))
      accepted_.append(last);
  });
}
