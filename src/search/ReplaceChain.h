#pragma once
// The rules of a replace operation that need no window: which instance the
// next step takes, and where the confirmation opens beside an instance.

#include <QPoint>
#include <QRect>
#include <QSize>

class TInstances;

// The instance the next replace step takes, or -1. selStart is where the
// step before left the selection: the start of the text it inserted, or of
// the instance it declined. insertedLength is the length of that inserted
// text, or -1 when the step before replaced nothing.
//
// Downward the step passes over a declined instance and over all text just
// inserted, so a replacement that contains the search text never feeds the
// chain, and every step consumes text that was there before: a chain always
// ends. After an empty replacement an instance that now starts at the caret
// is taken. Upward it takes the last instance that starts before selStart.
int NextReplaceInstance(TInstances& instances, bool searchDown, int selStart, int insertedLength);

// The top-left corner of the confirmation: at the lower right end of the
// instance's rectangle, or left of it and above it where the dialog would
// otherwise leave the screen.
QPoint PromptCorner(const QRect& instance, const QSize& dialog, const QRect& screen);
