#include "Stripping.h"

#include "ExceptionUnit.h"
#include "TextModel.h"

namespace {

TContextName ContextName(const char* name) { return TContextName("Stripping.", name); }
TContextName MainUnitName(const char* name) { return TContextName("MainUnit.", name); }

const QChar Space(u' ');
const QChar Tab(u'\t');
const QChar Cr(u'\r');
const QChar Lf(u'\n');

bool IsBlank(const QString& line) {
  for (QChar c : line)
    if (c != Space)
      return false;
  return true;
}

// Deleting the first character while the line, spaces ignored, starts with
// ">" ends just after the last ">" of the run of spaces and ">" at the start.
void StripLeadingGTs(QString& line) {
  qsizetype cut = 0;
  for (qsizetype i = 0; i < line.size() && (line[i] == Space || line[i] == u'>'); ++i)
    if (line[i] == u'>')
      cut = i + 1;
  line.remove(0, cut);
}

void StripLeadingSpaces(QString& line) {
  qsizetype cut = 0;
  while (cut < line.size() && line[cut] == Space)
    ++cut;
  line.remove(0, cut);
}

void StripTrailingBlanks(QString& line) {
  qsizetype end = line.size();
  while (end > 0 && (line[end - 1] == Space || line[end - 1] == Tab))
    --end;
  line.truncate(end);
}

// The lines are changed where they stand: a line nobody else holds is cut
// without a copy.
template <class Strip>
void StripEachLine(QStringList& lines, Strip strip) {
  for (QString& line : lines)
    strip(line);
}

// Deleting line i whenever lines i and i + 1 are both blank, from the end
// backwards, keeps a blank line exactly when the line after it is not blank
// (a deleted line's place is taken by the next blank line of its run).
void StripDoubleBlankLines(QStringList& lines) {
  qsizetype kept = 0;
  bool blank = !lines.isEmpty() && IsBlank(lines[0]);
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const bool nextBlank = i + 1 < lines.size() && IsBlank(lines[i + 1]);
    if (!(blank && nextBlank))
      lines[kept++].swap(lines[i]);
    blank = nextBlank;
  }
  lines.resize(kept);
}

// Through the joined text. The old lines go before the new ones are made,
// so that the new lines reuse their memory.
template <class Strip>
void StripJoinedText(QStringList& lines, Strip strip) {
  QString text = JoinLines(lines);
  lines.clear();
  lines = SplitLines(strip(std::move(text)));
}

void StripInPlace(TStripOp op, QStringList& lines) {
  switch (op) {
    case TStripOp::LeadingGTs:
      StripEachLine(lines, StripLeadingGTs);
      break;
    case TStripOp::BlankLines:
      lines.removeIf(IsBlank);
      break;
    case TStripOp::DoubleBlankLines:
      StripDoubleBlankLines(lines);
      break;
    case TStripOp::LeadingSpaces:
      StripEachLine(lines, StripLeadingSpaces);
      break;
    case TStripOp::TrailingSpaces:
      StripEachLine(lines, StripTrailingBlanks);
      break;
    case TStripOp::DoubleSpaces:
      StripJoinedText(lines, StripDoubleSpaces);
      break;
    case TStripOp::CarriageReturns:
      StripJoinedText(lines, StripCRLFs);
      break;
  }
}

}  // namespace

bool BlankLine(const QString& line) {
  return Guard(TContextName("TMainWindow.", "BlankLine"), Mode::Propagate, [&] { return IsBlank(line); });
}

QStringList ApplyStripOp(TStripOp op, const QStringList& lines) {
  return Guard(ContextName("ApplyStripOp"), Mode::Propagate, [&] {
    QStringList result = lines;
    StripInPlace(op, result);
    return result;
  });
}

QList<TStripOp> SelectedStripOps(const TStripSelection& selection) {
  return Guard(ContextName("SelectedStripOps"), Mode::Propagate, [&] {
    QList<TStripOp> ops;
    if (selection.leadingGTs)
      ops << TStripOp::LeadingGTs;
    if (selection.doubleBlankLines)
      ops << TStripOp::DoubleBlankLines;
    if (selection.blankLines && !selection.preserveBlankLines)
      ops << TStripOp::BlankLines;
    if (selection.leadingSpaces)
      ops << TStripOp::LeadingSpaces;
    if (selection.trailingSpaces)
      ops << TStripOp::TrailingSpaces;
    if (selection.doubleSpaces)
      ops << TStripOp::DoubleSpaces;
    if (selection.carriageReturns)
      ops << TStripOp::CarriageReturns;
    return ops;
  });
}

QStringList ApplyStripOps(const QList<TStripOp>& ops, QStringList lines) {
  return Guard(ContextName("ApplyStripOps"), Mode::Propagate, [&] {
    for (TStripOp op : ops)
      StripInPlace(op, lines);
    return lines;
  });
}

// Both text functions compact their own copy of the text in place: the
// result is never longer than the text.
QString StripDoubleSpaces(QString text) {
  return Guard(MainUnitName("StripDoubleSpaces"), Mode::Propagate, [&] {
    QChar* const begin = text.data();
    QChar* out = begin;
    QChar previous;
    for (const QChar* next = begin; next < begin + text.size(); ++next) {
      if (!(*next == Space && previous == Space))
        *out++ = *next;
      previous = *next;
    }
    text.truncate(out - begin);
    return text;
  });
}

// One pass that gives what deleting the first CR LF again and again gives.
// The output so far never holds a CR LF, so the first CR LF of the whole
// text is either a CR ending the output followed by an LF, or further on. A
// deletion can join a CR before it with an LF after it into a new CR LF,
// which the next turn of the loop then finds first. The output never
// overtakes the input: a space goes in only where two characters came out.
QString StripCRLFs(QString text) {
  return Guard(MainUnitName("StripCRLFs"), Mode::Propagate, [&] {
    QChar* const begin = text.data();
    QChar* out = begin;
    const QChar* next = begin;
    const QChar* const end = begin + text.size();
    while (next < end) {
      if (out == begin || out[-1] != Cr || *next != Lf) {
        *out++ = *next++;
        continue;
      }
      // The CR LF starts at 1-based position p = out - begin; delete it.
      --out;
      ++next;
      // p > 1, p < the new length (at least two characters follow), and no
      // space on either side of the break.
      if (out != begin && end - next >= 2 && out[-1] != Space && *next != Space)
        *out++ = Space;
    }
    text.truncate(out - begin);
    return text;
  });
}
