#pragma once
// The character-stripping operations as pure functions on the lines of a
// scope (or, for double spaces and line breaks, on their joined text). Each
// runs in time linear in the size of its input.

#include <QList>
#include <QString>
#include <QStringList>

enum class TStripOp {
  LeadingGTs,        // runs of ">" (with the spaces among them) at line starts
  BlankLines,        // every blank line (empty or spaces only)
  DoubleBlankLines,  // runs of blank lines shrink to their last line
  LeadingSpaces,
  TrailingSpaces,    // spaces and tabs
  DoubleSpaces,      // runs of spaces become one, over the joined text
  CarriageReturns,   // every line joined into one
};

// Which operations "All selected items" runs.
struct TStripSelection {
  bool leadingGTs = true;
  bool blankLines = false;
  bool doubleBlankLines = true;
  bool leadingSpaces = true;
  bool trailingSpaces = true;
  bool doubleSpaces = true;
  bool carriageReturns = false;
  bool preserveBlankLines = false;  // skips BlankLines in the sequence
};

bool BlankLine(const QString& line);
QStringList ApplyStripOp(TStripOp op, const QStringList& lines);
// The checked operations in the order "All selected items" runs them.
QList<TStripOp> SelectedStripOps(const TStripSelection& selection);
// All selected operations in sequence, each on the result of the one before.
QStringList ApplyStripOps(const QList<TStripOp>& ops, QStringList lines);

QString StripDoubleSpaces(QString text);
QString StripCRLFs(QString text);
