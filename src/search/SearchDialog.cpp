#include "SearchDialog.h"

#include "Cascade.h"
#include "IniFile.h"
#include "RadioGroup.h"
#include "ScreenRect.h"
#include "SearchHistory.h"
#include "StrFcns.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

#include <algorithm>

namespace {

const QString SearchStrKey = QStringLiteral("SearchStr");
const QString CaseSensitiveKey = QStringLiteral("CaseSensitive");
const QString WholeWordsKey = QStringLiteral("WholeWords");
const QString SearchFromCursorKey = QStringLiteral("SearchFromCursor");
const QString SearchDownKey = QStringLiteral("SearchDown");

// The boxes hold one line, as the histories and the settings file store
// them: a pasted text is cut at its first line break.
class TSingleLineValidator : public QValidator {
public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override {
    const auto lineEnd = std::find_if(input.cbegin(), input.cend(), [](QChar c) { return c == u'\r' || c == u'\n'; });
    if (lineEnd != input.cend()) {
      const int length = int(lineEnd - input.cbegin());
      input.truncate(length);
      pos = qMin(pos, length);
    }
    return Acceptable;
  }
};

QStringList Items(const QComboBox* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i)
    items.append(box->itemText(i));
  return items;
}

}  // namespace

TSearchDialog::TSearchDialog(const char* name, const char* contextPrefix, QWidget* parent)
    : QDialog(parent), section_(QString::fromLatin1(name)), contextPrefix_(contextPrefix) {
  setObjectName(section_);
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  ComboBox1 = NewHistoryBox();
  GroupBox1 = new QGroupBox(QStringLiteral("Options"), this);
  CaseSensitiveCheckBox = new QCheckBox(QStringLiteral("Case sensitive"), GroupBox1);
  CaseSensitiveCheckBox->setGeometry(8, 20, 105, 17);
  WholeWordsCheckBox = new QCheckBox(QStringLiteral("Whole words only"), GroupBox1);
  WholeWordsCheckBox->setGeometry(118, 20, 110, 17);
  Direction = new TRadioGroup(QStringLiteral("Direction"), {QStringLiteral("Up"), QStringLiteral("Down")}, this);
  Origin = new TRadioGroup(QStringLiteral("Origin"), {QStringLiteral("From cursor"), QStringLiteral("Entire scope")},
                           this);
  Direction->SetItemIndex(1);
  Origin->SetItemIndex(0);
  OkButton = new QPushButton(QStringLiteral("OK"), this);
  OkButton->setDefault(true);
  CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  CaseSensitiveCheckBox->setObjectName(QStringLiteral("CaseSensitiveCheckBox"));
  WholeWordsCheckBox->setObjectName(QStringLiteral("WholeWordsCheckBox"));
  Direction->setObjectName(QStringLiteral("Direction"));
  Origin->setObjectName(QStringLiteral("Origin"));
  OkButton->setObjectName(QStringLiteral("OkButton"));
  CancelButton->setObjectName(QStringLiteral("CancelButton"));
}

// Offering the history in the drop-down only: inline completion would
// quietly lengthen a typed text to an older, longer entry.
QComboBox* TSearchDialog::NewHistoryBox() {
  auto* box = new QComboBox(this);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setCompleter(nullptr);
  box->setValidator(new TSingleLineValidator(box));
  box->setMaxVisibleItems(MaxHistoryEntries);
  return box;
}

bool TSearchDialog::Execute(TIniFile& settings) {
  settings_ = &settings;
  if (!testAttribute(Qt::WA_Moved))
    move(CentredOn(ScreenRect(), frameGeometry().size()));
  FormShow();
  ComboBox1->setFocus();
  ComboBox1->lineEdit()->selectAll();
  const bool ok = exec() == QDialog::Accepted;
  settings_ = nullptr;
  return ok;
}

void TSearchDialog::FormShow() {
  Guard(ContextName("FormShow"), Mode::Final, [&] {
    FormCascade().Push(this);
    for (const THistoryBox& history : Histories()) {
      history.box->clear();
      history.box->addItems(LoadHistory(HomeDirFileName(history.fileName)));
    }
    ReadSettings(*settings_);
  });
}

void TSearchDialog::done(int result) {
  FormClose();
  QDialog::done(result);
}

void TSearchDialog::FormClose() {
  Guard(ContextName("FormClose"), Mode::Final, [&] {
    FormCascade().Pop();
    for (const THistoryBox& history : Histories())
      SaveHistory(HomeDirFileName(history.fileName), Items(history.box));
    if (!settings_)
      return;
    settings_->WriteString(section_, SearchStrKey, GetSearchStr());
    settings_->WriteBool(section_, CaseSensitiveKey, GetCaseSensitive());
    settings_->WriteBool(section_, WholeWordsKey, GetWholeWordsOnly());
    settings_->WriteBool(section_, SearchFromCursorKey, GetSearchFromCursor());
    settings_->WriteBool(section_, SearchDownKey, GetSearchDown());
    WriteExtraSettings(*settings_);
  });
}

void TSearchDialog::ReadSettings(TIniFile& settings) {
  Guard(ContextName("ReadSettings"), Mode::Propagate, [&] {
    SetSearchStr(settings.ReadString(section_, SearchStrKey, QString()));
    SetCaseSensitive(settings.ReadBool(section_, CaseSensitiveKey, false));
    SetWholeWordsOnly(settings.ReadBool(section_, WholeWordsKey, false));
    SetSearchFromCursor(settings.ReadBool(section_, SearchFromCursorKey, true));
    SetSearchDown(settings.ReadBool(section_, SearchDownKey, true));
    ReadExtraSettings(settings);
  });
}

void TSearchDialog::UpdateComboBoxItems(QComboBox* box) {
  Guard(ContextName("UpdateComboBoxItems"), Mode::Propagate, [&] {
    const QString text = box->currentText();
    const QStringList items = UpdateHistory(Items(box), text);
    box->clear();
    box->addItems(items);
    box->setEditText(text);
  });
}

QString TSearchDialog::GetSearchStr() const {
  return Guard(ContextName("GetSearchStr"), Mode::Propagate, [&] { return ComboBox1->currentText(); });
}

void TSearchDialog::SetSearchStr(const QString& value) {
  Guard(ContextName("SetSearchStr"), Mode::Propagate, [&] { ComboBox1->setEditText(value); });
}

bool TSearchDialog::GetCaseSensitive() const {
  return Guard(ContextName("GetCaseSensitive"), Mode::Propagate, [&] { return CaseSensitiveCheckBox->isChecked(); });
}

void TSearchDialog::SetCaseSensitive(bool value) {
  Guard(ContextName("SetCaseSensitive"), Mode::Propagate, [&] { CaseSensitiveCheckBox->setChecked(value); });
}

bool TSearchDialog::GetWholeWordsOnly() const {
  return Guard(ContextName("GetWholeWordsOnly"), Mode::Propagate, [&] { return WholeWordsCheckBox->isChecked(); });
}

void TSearchDialog::SetWholeWordsOnly(bool value) {
  Guard(ContextName("SetWholeWordsOnly"), Mode::Propagate, [&] { WholeWordsCheckBox->setChecked(value); });
}

bool TSearchDialog::GetSearchDown() const {
  return Guard(ContextName("GetSearchDown"), Mode::Propagate, [&] { return Direction->ItemIndex() == 1; });
}

void TSearchDialog::SetSearchDown(bool value) {
  Guard(ContextName("SetSearchDown"), Mode::Propagate, [&] { Direction->SetItemIndex(value ? 1 : 0); });
}

bool TSearchDialog::GetSearchFromCursor() const {
  return Guard(ContextName("GetSearchFromCursor"), Mode::Propagate, [&] { return Origin->ItemIndex() == 0; });
}

void TSearchDialog::SetSearchFromCursor(bool value) {
  Guard(ContextName("SetSearchFromCursor"), Mode::Propagate, [&] { Origin->SetItemIndex(value ? 0 : 1); });
}
