#pragma once
// The re-flow shared by the Word Wrap and Indentation panels: the scope's
// lines are parsed into tokens, a list is detected and confirmed, and lines
// are rebuilt word by word against the wrap width. The caller strips before
// (when asked) and removes double blank lines after.

#include "ListWrapUnit.h"
#include "SortedTokensUnit.h"

#include <functional>

struct TReflowSettings {
  int WrapWidth = 65;               // N: characters, or widths of "x" when the pitch is variable
  bool FixedPitch = true;
  bool PreserveBlankLines = false;
  bool IndentParagraphs = false;
  QString IndentPrefix;             // P: empty for the Word Wrap panel
  bool LeadingBlankLine = false;    // an empty line starts the output
};

// The answer to the List Detected question.
struct TListAnswer {
  bool Accepted = false;            // Yes, it's a list
  bool BlankLineBetweenItems = false;
  int HangingIndent = 0;            // 0..20 spaces for continuation lines
};

// Asked only when a list was detected, with the stream (bullets marked and
// joined) and the detection; may pad the stream's bullets (PadBullets).
using TListConfirm = std::function<TListAnswer(TTokens& stream, const TListDetection& detection)>;

// The first-line indent of a paragraph in spaces: 4 for a fixed pitch, 8
// for a variable pitch.
int FirstLineIndent(bool fixedPitch);

// Re-flows the lines and returns the output lines, each keeping the space
// after its last token. width measures text when the pitch is variable (it is
// not called otherwise and may then be empty); confirm may be empty, which
// answers No. Pass the lines with std::move to free them once parsed.
// Raises when the pitch is variable and no measure is given, or when the
// text outgrows the token store.
QStringList Reflow(QStringList lines, const TReflowSettings& settings, const TTextWidth& width,
                   const TListConfirm& confirm);
