#include "ReplaceTextUnit.h"

#include "ConfirmTextReplaceUnit.h"
#include "IniFile.h"
#include "RadioGroup.h"
#include "ReplaceChain.h"
#include "ScreenRect.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

const QString ReplaceStrKey = QStringLiteral("ReplaceStr");
const QString PromptOnReplaceKey = QStringLiteral("PromptOnReplace");

}  // namespace

TReplaceTextDialog::TReplaceTextDialog(QWidget* parent)
    : TSearchDialog("ReplaceTextDialog", "ReplaceTextDialog.", parent) {
  setWindowTitle(QStringLiteral("Replace Text"));
  setFixedSize(331, 198);
  ComboBox2 = NewHistoryBox();
  ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
  Label1 = new QLabel(QStringLiteral("Text to find"), this);
  Label1->setGeometry(8, 12, 68, 13);
  Label1->setBuddy(ComboBox1);
  Label2 = new QLabel(QStringLiteral("Replace with"), this);
  Label2->setGeometry(8, 40, 68, 13);
  Label2->setBuddy(ComboBox2);
  ComboBox1->setGeometry(80, 8, 161, 21);
  ComboBox2->setGeometry(80, 36, 161, 21);
  GroupBox1->setGeometry(8, 62, 233, 64);
  PromptCheckBox = new QCheckBox(QStringLiteral("Prompt on replace"), GroupBox1);
  PromptCheckBox->setObjectName(QStringLiteral("PromptCheckBox"));
  PromptCheckBox->setGeometry(8, 40, 120, 17);
  Direction->setGeometry(8, 130, 113, 62);
  Origin->setGeometry(128, 130, 113, 62);
  OkButton->setGeometry(248, 8, 75, 25);
  ReplaceAllButton = new QPushButton(QStringLiteral("Replace All"), this);
  ReplaceAllButton->setObjectName(QStringLiteral("ReplaceAllButton"));
  ReplaceAllButton->setGeometry(248, 38, 75, 25);
  CancelButton->setObjectName(QStringLiteral("Cancel"));
  CancelButton->setGeometry(248, 68, 75, 25);
  setTabOrder(ComboBox1, ComboBox2);
  connect(OkButton, &QPushButton::clicked, this, &TReplaceTextDialog::OkButtonClick);
  connect(ReplaceAllButton, &QPushButton::clicked, this, &TReplaceTextDialog::ReplaceAllButtonClick);
}

QList<TSearchDialog::THistoryBox> TReplaceTextDialog::Histories() const {
  return {{ComboBox1, QStringLiteral("ReplaceTextDialog-SearchStrs.txt")},
          {ComboBox2, QStringLiteral("ReplaceTextDialog-ReplaceStrs.txt")}};
}

void TReplaceTextDialog::ReadExtraSettings(TIniFile& settings) {
  SetReplaceStr(settings.ReadString(section_, ReplaceStrKey, QString()));
  SetPromptOnReplace(settings.ReadBool(section_, PromptOnReplaceKey, false));
}

void TReplaceTextDialog::WriteExtraSettings(TIniFile& settings) {
  settings.WriteString(section_, ReplaceStrKey, GetReplaceStr());
  settings.WriteBool(section_, PromptOnReplaceKey, GetPromptOnReplace());
}

void TReplaceTextDialog::OkButtonClick() {
  Guard(ContextName("OkButtonClick"), Mode::Final, [&] {
    UpdateComboBoxItems(ComboBox1);
    UpdateComboBoxItems(ComboBox2);
  });
  accept();
}

// Texts used only with Replace All stay out of the histories.
void TReplaceTextDialog::ReplaceAllButtonClick() {
  Guard(ContextName("ReplaceAllButtonClick"), Mode::Final, [&] { ReplaceAll = true; });
  accept();
}

void TReplaceTextDialog::ClearFlags() {
  ReplaceAll = false;
  AllConfirmed = false;
}

QString TReplaceTextDialog::GetReplaceStr() const {
  return Guard(ContextName("GetReplaceStr"), Mode::Propagate, [&] { return ComboBox2->currentText(); });
}

void TReplaceTextDialog::SetReplaceStr(const QString& value) {
  Guard(ContextName("SetReplaceStr"), Mode::Propagate, [&] { ComboBox2->setEditText(value); });
}

bool TReplaceTextDialog::GetPromptOnReplace() const {
  return Guard(ContextName("GetPromptOnReplace"), Mode::Propagate, [&] { return PromptCheckBox->isChecked(); });
}

void TReplaceTextDialog::SetPromptOnReplace(bool value) {
  Guard(ContextName("SetPromptOnReplace"), Mode::Propagate, [&] { PromptCheckBox->setChecked(value); });
}

QSize TReplaceTextDialog::PromptSize() const {
  if (!ConfirmDialog)
    RaiseMessage(QStringLiteral("The confirmation dialog does not exist"));
  return ConfirmDialog->frameGeometry().size();
}

int TReplaceTextDialog::ReplacePromptX(const QRect& instance) const {
  return Guard(ContextName("ReplacePromptX"), Mode::Propagate,
               [&] { return PromptCorner(instance, PromptSize(), ScreenRect()).x(); });
}

int TReplaceTextDialog::ReplacePromptY(const QRect& instance) const {
  return Guard(ContextName("ReplacePromptY"), Mode::Propagate,
               [&] { return PromptCorner(instance, PromptSize(), ScreenRect()).y(); });
}

QMessageBox::StandardButton TReplaceTextDialog::ReplacePrompt(const QRect& instance) {
  return Guard(ContextName("ReplacePrompt"), Mode::Propagate, [&] {
    const int x = ReplacePromptX(instance);
    const int y = ReplacePromptY(instance);
    return ConfirmDialog->ShowModal(x, y);
  });
}
