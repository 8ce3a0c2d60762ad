#pragma once
// The screen that forms are centred on and kept on.

#include <QRect>

// The primary screen's full geometry, not its available part: the placement
// rules leave the lower margin free themselves. Raises when there is no screen.
QRect ScreenRect();

// The top-left corner that centres a form of `size` on `screen`.
QPoint CentredOn(const QRect& screen, QSize size);
