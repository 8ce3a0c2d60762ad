#include "Cascade.h"

#include "ExceptionUnit.h"
#include "MinMax.h"
#include "ScreenRect.h"

#include <QGuiApplication>

namespace {

TContextName ContextName(const char* name) { return TContextName("TFormCascade.", name); }

constexpr int Offset = 32;

// The captions the platform's message dialogs give each kind.
QString Caption(QMessageBox::Icon kind) {
  switch (kind) {
  case QMessageBox::Information: return QStringLiteral("Information");
  case QMessageBox::Warning: return QStringLiteral("Warning");
  case QMessageBox::Critical: return QStringLiteral("Error");
  case QMessageBox::Question: return QStringLiteral("Confirm");
  default: return QGuiApplication::applicationDisplayName();
  }
}

}  // namespace

TFormStackNode::TFormStackNode(QWidget* theForm, std::unique_ptr<TFormStackNode> below) {
  Guard(TContextName("TFormStackNode.", "Create"), Mode::Propagate, [&] {
    form = theForm;
    next = std::move(below);
  });
}

QRect TFormCascade::Placement(const QRect& form, std::optional<QPoint> below, const QSize& screen) {
  return Guard(ContextName("Placement"), Mode::Propagate, [&] {
    QRect r = form;
    if (below)
      r.moveTopLeft(*below + QPoint(Offset, Offset));
    const int sw = screen.width(), sh = screen.height();
    const int width = MinMaxInt(r.width(), 0, sw + 8);
    const int height = MinMaxInt(r.height(), 0, sh + 8);
    const int left = MinMaxInt(r.left(), -4, sw + 8 - width);
    const int top = MinMaxInt(r.top(), -4, sh - 24 - height);
    return QRect(left, top, width, height);
  });
}

void TFormCascade::Push(QWidget* form) {
  Guard(ContextName("Push"), Mode::Propagate, [&] {
    if (top_ && top_->form == form)
      return;
    top_ = std::make_unique<TFormStackNode>(form, std::move(top_));
    const QRect screen = ScreenRect();
    const TFormStackNode* below = top_->next.get();
    std::optional<QPoint> belowPos;
    if (below && below->form)
      belowPos = below->form->pos() - screen.topLeft();
    const QRect placed =
        Placement(QRect(form->pos() - screen.topLeft(), form->size()), belowPos, screen.size());
    form->resize(placed.size());
    form->move(placed.topLeft() + screen.topLeft());
  });
}

void TFormCascade::Pop() {
  Guard(ContextName("Pop"), Mode::Propagate, [&] {
    if (top_)
      top_ = std::move(top_->next);
  });
}

QWidget* TFormCascade::Top() const {
  return Guard(ContextName("Top"), Mode::Propagate, [&]() -> QWidget* { return top_ ? top_->form.data() : nullptr; });
}

QMessageBox::StandardButton TFormCascade::MsgDlg(const QString& message, QMessageBox::Icon kind,
                                                 QMessageBox::StandardButtons buttons) {
  return Guard(ContextName("MsgDlg"), Mode::Propagate, [&] {
    const QRect screen = ScreenRect();
    QWidget form;  // never shown: it only carries the position
    form.resize(300, 150);
    form.move(screen.topLeft() + QPoint(screen.width() / 2, screen.height() / 2));
    try {
      Push(&form);
      QMessageBox box(kind, Caption(kind), message, buttons);
      box.move(form.pos());
      const auto result = QMessageBox::StandardButton(box.exec());
      Pop();
      return result;
    } catch (...) {
      if (Top() == &form)  // keep the stack paired when Push or the box fails
        Pop();
      throw;
    }
  });
}

TFormCascade& FormCascade() {
  static TFormCascade cascade;
  return cascade;
}
