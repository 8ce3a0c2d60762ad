#pragma once
// A label that reacts to a click, for the panel selectors and the captions
// beside check boxes (clicking the caption toggles its box).

#include <QLabel>
#include <QMouseEvent>

class TClickLabel : public QLabel {
  Q_OBJECT

public:
  using QLabel::QLabel;

Q_SIGNALS:
  void Clicked();

protected:
  void mouseReleaseEvent(QMouseEvent* e) override {
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
      Q_EMIT Clicked();
  }
};
