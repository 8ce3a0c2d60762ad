#pragma once
// The command line of the filter: what to strip, how to re-flow, how the
// List Detected question is answered and how lines end.

#include "Stripping.h"

#include <QString>
#include <QStringList>

#include <optional>

enum class TLineEnd { AsInput, CrLf, Lf };

struct TFilterOptions {
  bool help = false;
  bool version = false;
  QString error;                       // one line naming the bad option or value
  QString fileName;                    // empty or "-": standard input

  std::optional<TStripSelection> strip;  // the boxes checked, when --strip is given
  bool wrap = false;                   // the Word Wrap panel's Apply
  std::optional<QChar> indentChar;     // the Indentation panel's Apply instead
  int width = 65;
  int depth = 1;
  bool pad = true;
  bool leadingBlankLine = true;
  bool preserveBlankLines = false;
  bool indentParagraphs = false;
  bool listYes = false;
  std::optional<int> listIndent;       // none: the dialog's default indent
  bool listBlankLine = true;
  TLineEnd lineEnd = TLineEnd::AsInput;
};

// Reads the arguments (the program name first). Never raises for bad input:
// a bad option or value comes back in error.
TFilterOptions ParseFilterOptions(const QStringList& arguments);

// The --help text.
QString FilterUsage();
