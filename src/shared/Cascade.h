#pragma once
// The dialog cascade: open dialogs on a stack, each new one placed 32 pixels
// right of and below the dialog under it and kept on the screen. Dialogs
// Push themselves when shown and Pop when closed, in reverse order of
// opening; MsgDlg shows a message box at the next cascade position.

#include <QMessageBox>
#include <QPointer>
#include <QRect>
#include <memory>
#include <optional>

class TFormStackNode {
public:
  TFormStackNode(QWidget* theForm, std::unique_ptr<TFormStackNode> below);

  QPointer<QWidget> form;  // null once the dialog is destroyed
  std::unique_ptr<TFormStackNode> next;
};

class TFormCascade {
public:
  // Puts `form` on the stack, unless it is on top already, and places it.
  // Raises "Min > Max : " when the form is taller than the screen less 20.
  void Push(QWidget* form);

  // Takes the top node off; the form itself is left alone. Nothing on an
  // empty stack.
  void Pop();

  // The dialog on top, or null.
  QWidget* Top() const;

  // A modal message box with its top-left corner at the next cascade
  // position (the screen centre when the stack is empty); returns the
  // button chosen.
  QMessageBox::StandardButton MsgDlg(const QString& message, QMessageBox::Icon kind,
                                     QMessageBox::StandardButtons buttons);

  // Where a form goes, in coordinates whose origin is the screen's
  // top-left: 32 pixels right of and below `below` (the form under it, if
  // any), then clamped in this order: width to 0..screenWidth+8, height to
  // 0..screenHeight+8, left to -4..screenWidth+8-width, top to
  // -4..screenHeight-24-height.
  static QRect Placement(const QRect& form, std::optional<QPoint> below, const QSize& screen);

private:
  std::unique_ptr<TFormStackNode> top_;
};

// The program's one cascade.
TFormCascade& FormCascade();
