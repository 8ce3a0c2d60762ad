#pragma once
// The Indentation panel's engine: the indent prefix put in front of every
// re-flowed line, the deepest quote level of a selection, and splitting a
// paragraph at the caret.

#include <QString>

#include <optional>

// Indent-with codes as the settings store them.
enum TIndentWith { iwSpaces = 0, iwGTs = 1, iwOther = 2 };

// The indent character: ">" for iwGTs, the first character of otherText for
// iwOther (a space when it is empty), a space for any other code.
QChar IndentChar(int indentWith, const QString& otherText);

// The indent character depth times, then one space when pad is set and the
// repeated part is not empty. Depth 0 (or less) gives the empty prefix.
QString IndentPrefix(int depth, QChar indentChar, bool pad);

// The deepest quote level of a text: over its lines, with every space
// removed, the most ">" characters at a line's start; 0 when none.
int LongestIndentStr(const QString& text);

// "Indent depth : " + depth + " chars".
QString IndentDepthCaption(int depth);

struct TInsertedParagraph {
  QString Text;
  qsizetype Caret = 0;  // before the inserted break
};

// Splits the paragraph at the caret: CR LF CR LF and four spaces go in
// before the word holding the caret. None when the caret is at the end of
// the text (or beyond it); raises for a negative caret.
std::optional<TInsertedParagraph> InsertParagraph(const QString& text, qsizetype caret);
