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
QString StripLeadingGTs(const QString& line) {
  qsizetype cut = 0;
  for (qsizetype i = 0; i < line.size() && (line[i] == Space || line[i] == u'>'); ++i)
    if (line[i] == u'>')
      cut = i + 1;
  return cut == 0 ? line : line.mid(cut);
}

QString StripLeadingSpaces(const QString& line) {
  qsizetype cut = 0;
  while (cut < line.size() && line[cut] == Space)
    ++cut;
  return cut == 0 ? line : line.mid(cut);
}

QString StripTrailingBlanks(const QString& line) {
  qsizetype end = line.size();
  while (end > 0 && (line[end - 1] == Space || line[end - 1] == Tab))
    --end;
  return end == line.size() ? line : line.left(end);
}

template <class Transform>
void TransformEachLine(QStringList& lines, Transform transform) {
  for (QString& line : lines)
    line = transform(line);
}

// Deleting line i whenever lines i and i + 1 are both blank, from the end
// backwards, keeps a blank line exactly when the line after it is not blank
// (a deleted line's place is taken by the next blank line of its run).
void StripDoubleBlankLines(QStringList& lines) {
  QStringList kept;
  kept.reserve(lines.size());
  bool blank = !lines.isEmpty() && IsBlank(lines[0]);
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const bool nextBlank = i + 1 < lines.size() && IsBlank(lines[i + 1]);
    if (!(blank && nextBlank))
      kept << lines[i];
    blank = nextBlank;
  }
  lines = kept;
}

void StripInPlace(TStripOp op, QStringList& lines) {
  switch (op) {
    case TStripOp::LeadingGTs:
      TransformEachLine(lines, StripLeadingGTs);
      break;
    case TStripOp::BlankLines:
      lines.removeIf(IsBlank);
      break;
    case TStripOp::DoubleBlankLines:
      StripDoubleBlankLines(lines);
      break;
    case TStripOp::LeadingSpaces:
      TransformEachLine(lines, StripLeadingSpaces);
      break;
    case TStripOp::TrailingSpaces:
      TransformEachLine(lines, StripTrailingBlanks);
      break;
    case TStripOp::DoubleSpaces:
      lines = SplitLines(StripDoubleSpaces(JoinLines(lines)));
      break;
    case TStripOp::CarriageReturns:
      lines = SplitLines(StripCRLFs(JoinLines(lines)));
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

QString StripDoubleSpaces(const QString& text) {
  return Guard(MainUnitName("StripDoubleSpaces"), Mode::Propagate, [&] {
    QString result(text.size(), Qt::Uninitialized);
    QChar* out = result.data();
    QChar previous;
    for (QChar c : text) {
      if (!(c == Space && previous == Space))
        *out++ = c;
      previous = c;
    }
    result.truncate(out - result.constData());
    return result;
  });
}

// One pass that gives what deleting the first CR LF again and again gives.
// The output so far never holds a CR LF, so the first CR LF of the whole
// text is either a CR ending the output followed by an LF, or further on. A
// deletion can join a CR before it with an LF after it into a new CR LF,
// which the next turn of the loop then finds first. The output never grows
// past the input: a space goes in only where two characters came out.
QString StripCRLFs(const QString& text) {
  return Guard(MainUnitName("StripCRLFs"), Mode::Propagate, [&] {
    QString result(text.size(), Qt::Uninitialized);
    QChar* const begin = result.data();
    QChar* out = begin;
    const QChar* next = text.constData();
    const QChar* const end = next + text.size();
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
    result.truncate(out - begin);
    return result;
  });
}
