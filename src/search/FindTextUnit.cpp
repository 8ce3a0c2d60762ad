#include "FindTextUnit.h"

#include "RadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

TFindTextDialog::TFindTextDialog(QWidget* parent) : TSearchDialog("FindTextDialog", "FindTextDialog.", parent) {
  setWindowTitle(QStringLiteral("Find Text"));
  setFixedSize(330, 149);
  Label1 = new QLabel(QStringLiteral("Find Text"), this);
  Label1->setGeometry(8, 12, 52, 13);
  Label1->setBuddy(ComboBox1);
  ComboBox1->setGeometry(64, 8, 177, 21);
  GroupBox1->setGeometry(8, 34, 233, 44);
  Direction->setGeometry(8, 82, 113, 62);
  Origin->setGeometry(128, 82, 113, 62);
  OkButton->setGeometry(248, 8, 75, 25);
  CancelButton->setGeometry(248, 38, 75, 25);
  connect(OkButton, &QPushButton::clicked, this, &TFindTextDialog::OkButtonClick);
}

QList<TSearchDialog::THistoryBox> TFindTextDialog::Histories() const {
  return {{ComboBox1, QStringLiteral("FindTextDialog.txt")}};
}

void TFindTextDialog::OkButtonClick() {
  Guard(ContextName("OkButtonClick"), Mode::Final, [&] { UpdateComboBoxItems(ComboBox1); });
  accept();
}
