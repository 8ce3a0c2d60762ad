// "Quillsweep.ini": the [Options] and [Font] sections of the main window.
#include "EditPane.h"
#include "IndentUnit.h"
#include "IniFile.h"
#include "MainUnit.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {

const QString Options = QStringLiteral("Options");
const QString Font = QStringLiteral("Font");

}  // namespace

TIniFile& TMainWindow::Settings() {
  if (!IniFile)
    RaiseMessage(QStringLiteral("The settings file is not open"));
  return *IniFile;
}

void TMainWindow::ReadPaneFont() {
  QFont font(Settings().ReadString(Font, QStringLiteral("Name"), QStringLiteral("Courier New")));
  font.setBold(Settings().ReadBool(Font, QStringLiteral("Bold"), false));
  font.setItalic(Settings().ReadBool(Font, QStringLiteral("Italic"), false));
  font.setUnderline(Settings().ReadBool(Font, QStringLiteral("Underline"), false));
  font.setStrikeOut(Settings().ReadBool(Font, QStringLiteral("Strikeout"), false));
  font.setPointSize(qMax(1, Settings().ReadInteger(Font, QStringLiteral("Size"), 8)));
  // Whole-pixel advances, so that "|" and "W" of a fixed-pitch face agree.
  font.setHintingPreference(QFont::PreferFullHinting);
  EditPane->setFont(font);
}

// Setting a control fires its change handler as a user's change would, so
// the wrap column and the Word Wrap check boxes write their keys back.
void TMainWindow::ReadiniFileOptions() {
  Guard(ContextName("ReadiniFileOptions"), Mode::Propagate, [&] {
    QRect bounds = geometry();
    bounds.moveLeft(Settings().ReadInteger(Options, QStringLiteral("Left"), bounds.left()));
    bounds.moveTop(Settings().ReadInteger(Options, QStringLiteral("Top"), bounds.top()));
    bounds.setWidth(Settings().ReadInteger(Options, QStringLiteral("Width"), bounds.width()));
    bounds.setHeight(Settings().ReadInteger(Options, QStringLiteral("Height"), bounds.height()));
    setGeometry(bounds);
    IndentParagraphsCheckBox->setChecked(Settings().ReadBool(Options, QStringLiteral("IndentParagraphs"), false));
    PBLCheckBox->setChecked(Settings().ReadBool(Options, QStringLiteral("PreserveBlankLines"), false));
    CharStrippingPanel->setVisible(Settings().ReadBool(Options, QStringLiteral("CharStrippingMode"), true));
    WordWrapPanel->setVisible(Settings().ReadBool(Options, QStringLiteral("WordWrapMode"), false));
    IndentationPanel->setVisible(Settings().ReadBool(Options, QStringLiteral("IndentationMode"), false));
    WrapScroll->setValue(Settings().ReadInteger(Options, QStringLiteral("WrapColumn"), 65));
    const std::pair<QCheckBox*, bool> boxes[] = {{RGTCheckBox, true},  {RDBLCheckBox, true}, {RBLCheckBox, false},
                                                 {RLSCheckBox, true},  {RTSCheckBox, true},  {RDSCheckBox, true},
                                                 {RCRCheckBox, false}};
    for (const auto& [box, byDefault] : boxes)
      box->setChecked(Settings().ReadBool(Options, box->objectName(), byDefault));
    StripBeforeWrapCheckBox->setChecked(Settings().ReadBool(Options, QStringLiteral("StripBeforeWrap"), true));
    SetIndentWith(Settings().ReadInteger(Options, QStringLiteral("IndentWith"), 0));
    OtherCharEdit->setText(Settings().ReadString(Options, QStringLiteral("OtherIndentChar"), QStringLiteral("|")));
    SetIndentDepth(Settings().ReadInteger(Options, QStringLiteral("IndentDepth"), 1));
    PadIndentCheckBox->setChecked(Settings().ReadBool(Options, QStringLiteral("RightPadIndent"), true));
    InsertBlankLineCheckBox->setChecked(Settings().ReadBool(Options, QStringLiteral("InsertBlankLine"), true));
    HorzScrollCheckBox->setChecked(Settings().ReadBool(Options, QStringLiteral("HorzScroll"), true));
  });
}

// A refused write stops here: the keys after it are not written.
void TMainWindow::FormClose() {
  Guard(ContextName("FormClose"), Mode::Final, [&] {
    if (!IniFile)
      return;
    const QRect bounds = geometry();
    Settings().WriteInteger(Options, QStringLiteral("Left"), bounds.left());
    Settings().WriteInteger(Options, QStringLiteral("Top"), bounds.top());
    Settings().WriteInteger(Options, QStringLiteral("Width"), bounds.width());
    Settings().WriteInteger(Options, QStringLiteral("Height"), bounds.height());
    Settings().WriteBool(Options, QStringLiteral("CharStrippingMode"), CharStrippingPanel->isVisible());
    Settings().WriteBool(Options, QStringLiteral("WordWrapMode"), WordWrapPanel->isVisible());
    Settings().WriteBool(Options, QStringLiteral("IndentationMode"), IndentationPanel->isVisible());
    for (QCheckBox* box : {RGTCheckBox, RBLCheckBox, RDBLCheckBox, RLSCheckBox, RTSCheckBox, RDSCheckBox, RCRCheckBox})
      Settings().WriteBool(Options, box->objectName(), box->isChecked());
    Settings().WriteBool(Options, QStringLiteral("StripBeforeWrap"), StripBeforeWrapCheckBox->isChecked());
    Settings().WriteInteger(Options, QStringLiteral("IndentWith"), GetIndentWith());
    Settings().WriteString(Options, QStringLiteral("OtherIndentChar"), OtherCharEdit->text());
    Settings().WriteInteger(Options, QStringLiteral("IndentDepth"), IndentScroll->value());
    Settings().WriteBool(Options, QStringLiteral("RightPadIndent"), PadIndentCheckBox->isChecked());
    Settings().WriteBool(Options, QStringLiteral("InsertBlankLine"), InsertBlankLineCheckBox->isChecked());
    Settings().WriteBool(Options, QStringLiteral("HorzScroll"), HorzScrollCheckBox->isChecked());
  });
  IniFile.reset();
}

bool TMainWindow::GetIndentParagraphs() {
  return Guard(ContextName("GetIndentParagraphs"), Mode::Propagate,
               [&] { return Settings().ReadBool(Options, QStringLiteral("IndentParagraphs"), false); });
}

void TMainWindow::SetIndentParagraphs(bool value) {
  Guard(ContextName("SetIndentParagraphs"), Mode::Propagate,
        [&] { Settings().WriteBool(Options, QStringLiteral("IndentParagraphs"), value); });
}

bool TMainWindow::GetPreserveBlankLines() {
  return Guard(ContextName("GetPreserveBlankLines"), Mode::Propagate,
               [&] { return Settings().ReadBool(Options, QStringLiteral("PreserveBlankLines"), false); });
}

void TMainWindow::SetPreserveBlankLines(bool value) {
  Guard(ContextName("SetPreserveBlankLines"), Mode::Propagate,
        [&] { Settings().WriteBool(Options, QStringLiteral("PreserveBlankLines"), value); });
}

int TMainWindow::GetIndentWith() const {
  return Guard(ContextName("GetIndentWith"), Mode::Propagate,
               [&] { return OtherIndentButton->isChecked() ? 2 : GTIndentButton->isChecked() ? 1 : 0; });
}

void TMainWindow::SetIndentWith(int code) {
  Guard(ContextName("SetIndentWith"), Mode::Propagate, [&] {
    (code == 1 ? GTIndentButton : code == 2 ? OtherIndentButton : SPIndentButton)->setChecked(true);
  });
}

void TMainWindow::SetIndentDepth(int depth) {
  Guard(ContextName("SetIndentDepth"), Mode::Propagate, [&] {
    IndentScroll->setValue(depth);
    UpdateIndentDepthLabel();
  });
}

void TMainWindow::UpdateIndentDepthLabel() {
  Guard(ContextName("UpdateIndentDepthLabel"), Mode::Propagate, [&] {
    IndentDepthLabel->setText(IndentDepthCaption(IndentScroll->value()));
  });
}

void TMainWindow::IndentScrollChange() {
  Guard(ContextName("IndentScrollChange"), Mode::Propagate, [&] {
    UpdateIndentDepthLabel();
    FocusEditPane();
  });
}

void TMainWindow::PBLCheckBoxClick() {
  Guard(ContextName("PBLCheckBoxClick"), Mode::Final, [&] {
    SetPreserveBlankLines(PBLCheckBox->isChecked());
    FocusEditPane();
  });
}

void TMainWindow::IndentParagraphsCheckBoxClick() {
  Guard(ContextName("IndentParagraphsCheckBoxClick"), Mode::Final, [&] {
    SetIndentParagraphs(IndentParagraphsCheckBox->isChecked());
    FocusEditPane();
  });
}

void TMainWindow::ConnectPanelOptions() {
  connect(WrapScroll, &QScrollBar::valueChanged, this, &TMainWindow::WrapScrollChange);
  connect(PBLCheckBox, &QCheckBox::toggled, this, &TMainWindow::PBLCheckBoxClick);
  connect(IndentParagraphsCheckBox, &QCheckBox::toggled, this, &TMainWindow::IndentParagraphsCheckBoxClick);
  connect(StripBeforeWrapCheckBox, &QCheckBox::toggled, this, &TMainWindow::StripBeforeWrapCheckBoxClick);
  connect(ApplyWordWrapButton, &QPushButton::clicked, this, [this] { ApplyWordWrapButtonClick(false); });
  connect(ApplyIndentButton, &QPushButton::clicked, this, [this] { ApplyWordWrapButtonClick(true); });
  connect(IndentScroll, &QScrollBar::valueChanged, this, &TMainWindow::IndentScrollChange);
}
