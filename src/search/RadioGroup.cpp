#include "RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>

TRadioGroup::TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), buttons_(new QButtonGroup(this)) {
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    button->setGeometry(8, 20 + 18 * i, 97, 17);
    buttons_->addButton(button, i);
  }
}

int TRadioGroup::ItemIndex() const { return buttons_->checkedId(); }

void TRadioGroup::SetItemIndex(int index) {
  if (QAbstractButton* button = buttons_->button(index))
    button->setChecked(true);
}
