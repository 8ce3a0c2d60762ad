#pragma once
// What the List Detected dialog decides, apart from its window: the message,
// the widest bullet, the default hanging indent, the padding of bullets on
// Yes, the re-flowed sample and the indent caption. Widths come from a
// measure the caller supplies (pixels in the pane's font; characters for a
// fixed-pitch font), so the dialog stays a thin shell.

#include "TokensUnit.h"

#include <functional>

// The width of a string; must be monotonic in the text.
using TTextWidth = std::function<int(const QString&)>;

// The hanging indent runs from 0 to this many spaces.
constexpr int MaxListItemIndent = 20;

// The top label: "The text that you want to wrap seems to contain a
// numbered list. " (bulleted, numbered, lettered, or "invalid").
QString ListDetectedMessage(int dominantListType);

// The tkListBullet entry with the greatest width, the last of equally wide
// ones; empty when the stream holds no bullet.
QString LongestListBullet(const TTokens& stream, const TTextWidth& width);

// The default hanging indent: the number of spaces whose width first reaches
// the bullet's width, within 0..20 (with a fixed-pitch measure the bullet's
// length, its trailing space included).
int DefaultListItemIndent(const QString& widestBullet, const TTextWidth& width);

// Pads every bullet narrower than the widest: one space more after its last
// space (or at its end when it has none) until it is as wide. A measure under
// which a space adds no width leaves the bullet as far as it got.
void PadBullets(TTokens& stream, const TTextWidth& width);

// The sample before its first re-flow: the bullet, then the sentence.
QString ListSampleText(const QString& widestBullet);

struct TListSample {
  QString Text;   // lines separated by carriage returns
  int Lines = 1;  // at least 1
};

// Re-flows the sample (any earlier re-flow of it gives the same result) to a
// label labelWidth wide, less the width of "X", continuation lines indented
// by hangingIndent spaces. Raises when width is empty.
TListSample IndentSample(const QString& sampleText, int labelWidth, int hangingIndent, const TTextWidth& width);

// "1 space" for 1, else the number and " spaces" ("0 spaces", "4 spaces").
QString ListIndentCaption(int indent);
