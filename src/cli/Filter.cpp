#include "Filter.h"

#include "ExceptionUnit.h"
#include "IndentUnit.h"
#include "ReflowUnit.h"

namespace {

TContextName ContextName(const char* name) { return TContextName("Filter.", name); }

// A fixed-pitch font: a text is as wide as it is long.
int Characters(const QString& s) { return int(s.size()); }

// The List Detected dialog answered from the command line: Yes pads the
// bullets, as the dialog's Yes button does.
TListConfirm ListAnswer(const TFilterOptions& options) {
  if (!options.listYes)
    return {};
  return [&options](TTokens& stream, const TListDetection&) {
    const int indent = options.listIndent.value_or(
        DefaultListItemIndent(LongestListBullet(stream, Characters), Characters));
    PadBullets(stream, Characters);
    return TListAnswer{true, options.listBlankLine, indent};
  };
}

}  // namespace

QStringList RunFilter(QStringList lines, const TFilterOptions& options) {
  return Guard(ContextName("RunFilter"), Mode::Propagate, [&] {
    if (options.strip)
      lines = ApplyStripOps(SelectedStripOps(*options.strip), std::move(lines));
    if (!options.wrap && !options.indentChar)
      return lines;
    TReflowSettings settings;
    settings.WrapWidth = options.width;
    settings.FixedPitch = true;
    settings.PreserveBlankLines = options.preserveBlankLines;
    settings.IndentParagraphs = options.indentParagraphs;
    if (options.indentChar) {
      settings.IndentPrefix = IndentPrefix(options.depth, *options.indentChar, options.pad);
      settings.LeadingBlankLine = options.leadingBlankLine;
    }
    lines = Reflow(std::move(lines), settings, Characters, ListAnswer(options));
    return ApplyStripOp(TStripOp::DoubleBlankLines, std::move(lines));
  });
}
