#include "ReplaceChain.h"

#include "ExceptionUnit.h"
#include "InstancesUnit.h"

namespace {

TContextName ContextName(const char* name) { return TContextName("ReplaceChain.", name); }

}  // namespace

int NextReplaceInstance(TInstances& instances, bool searchDown, int selStart, int insertedLength) {
  return Guard(ContextName("NextReplaceInstance"), Mode::Propagate, [&] {
    if (!searchDown)
      return instances.PrevInstance(selStart);
    return instances.NextInstance(insertedLength < 0 ? selStart + 1 : selStart + insertedLength);
  });
}

// QRect's right and bottom are the last pixel inside, which is where the
// caret stands at the end of the instance.
QPoint PromptCorner(const QRect& instance, const QSize& dialog, const QRect& screen) {
  return Guard(ContextName("PromptCorner"), Mode::Propagate, [&] {
    const bool fitsRight = instance.right() + dialog.width() < screen.left() + screen.width();
    const bool fitsBelow = instance.bottom() + dialog.height() < screen.top() + screen.height();
    const int x = fitsRight ? instance.right() : instance.left() - dialog.width();
    const int y = fitsBelow ? instance.bottom() : instance.top() - dialog.height();
    return QPoint(x, y);
  });
}
