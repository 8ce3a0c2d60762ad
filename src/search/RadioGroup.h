#pragma once
// A captioned group of mutually exclusive radio buttons, one per item,
// stacked from the top, addressed by item index (-1: none chosen).

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

class TRadioGroup : public QGroupBox {
  Q_OBJECT

public:
  TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent);

  int ItemIndex() const;
  void SetItemIndex(int index);

private:
  QButtonGroup* buttons_;
};
