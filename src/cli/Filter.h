#pragma once
// The filter's operation on the lines of the whole text, as the editor's
// Apply leaves them in the pane with a fixed-pitch font.

#include "FilterOptions.h"

// Strips (all selected items), then re-flows with the Word Wrap or the
// Indentation panel's settings and removes double blank lines; without a
// re-flow the stripping is the whole operation. Raises only when the text
// outgrows the engine's store or memory.
QStringList RunFilter(QStringList lines, const TFilterOptions& options);
