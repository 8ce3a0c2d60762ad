// The tool area: three panels stacked in one place with their selectors,
// the scope buttons and the horizontal-scroll switch.
#include "ClickLabel.h"
#include "EditPane.h"
#include "MainUnit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

constexpr int ToolAreaWidth = 145;
constexpr int PanelHeight = 290;
const QColor SelectorLinkColour(128, 0, 128);

template <class W>
W* Place(W* widget, const char* name, int x, int y, int w, int h) {
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(x, y, w, h);
  return widget;
}

TClickLabel* CaptionFor(QCheckBox* box, const QString& text, const char* name, int y, int height = 17) {
  auto* label = Place(new TClickLabel(text, box->parentWidget()), name, 26, y, ToolAreaWidth - 30, height);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QObject::connect(label, &TClickLabel::Clicked, box, &QCheckBox::toggle);
  return label;
}

QPushButton* ToolButton(QWidget* parent, const QString& caption, const char* name, int x, int y) {
  auto* button = Place(new QPushButton(caption, parent), name, x, y, 97, 21);
  button->setFocusPolicy(Qt::NoFocus);  // the edit pane keeps the focus
  return button;
}

}  // namespace

QWidget* TMainWindow::BuildToolArea(QWidget* parent) {
  auto* area = new QWidget(parent);
  area->setFixedWidth(ToolAreaWidth);
  auto* column = new QVBoxLayout(area);
  column->setContentsMargins(0, 0, 0, 4);
  column->setSpacing(2);

  auto* stack = new QWidget(area);
  stack->setFixedSize(ToolAreaWidth, PanelHeight);
  CharStrippingPanel = BuildCharStrippingPanel(stack);
  WordWrapPanel = BuildWordWrapPanel(stack);
  IndentationPanel = BuildIndentationPanel(stack);
  int which = 0;
  for (QWidget* panel : {CharStrippingPanel, WordWrapPanel, IndentationPanel}) {
    panel->setGeometry(0, 0, ToolAreaWidth, PanelHeight);
    AddPanelSelectors(panel, which++);
  }
  ShowPanel(CharStrippingPanel);
  column->addWidget(stack);

  SelTextButton = new QRadioButton(QStringLiteral("Selected Text"), area);
  SelTextButton->setObjectName(QStringLiteral("SelTextButton"));
  AllTextButton = new QRadioButton(QStringLiteral("All Text"), area);
  AllTextButton->setObjectName(QStringLiteral("AllTextButton"));
  // Explicit groups: automatic exclusivity would also take in the radio
  // buttons of the panels above.
  auto* scope = new QButtonGroup(area);
  scope->addButton(SelTextButton);
  scope->addButton(AllTextButton);
  HorzScrollCheckBox = new QCheckBox(QStringLiteral("Horizontal Scroll"), area);
  HorzScrollCheckBox->setObjectName(QStringLiteral("HorzScrollCheckBox"));
  HorzScrollCheckBox->setChecked(true);
  for (QWidget* w : std::initializer_list<QWidget*>{SelTextButton, AllTextButton, HorzScrollCheckBox}) {
    w->setFocusPolicy(Qt::NoFocus);
    column->addWidget(w);
  }
  column->addStretch(1);
  connect(SelTextButton, &QRadioButton::clicked, this, &TMainWindow::SelTextButtonClick);
  connect(AllTextButton, &QRadioButton::clicked, this, &TMainWindow::AllTextButtonClick);
  connect(HorzScrollCheckBox, &QCheckBox::clicked, this, &TMainWindow::HorzScrollCheckBoxClick);
  return area;
}

// Each panel carries all three selectors; its own is black and underlined,
// the others look and act like links.
void TMainWindow::AddPanelSelectors(QWidget* panel, int which) {
  static const char* const captions[] = {"Char Stripping", "Word Wrap", "Indentation"};
  static const char* const names[3][3] = {
      {"CharStrippingLabel1", "WordWrapLabel1", "IndentationLabel1"},
      {"CharStrippingLabel2", "WordWrapLabel2", "IndentationLabel2"},
      {"CharStrippingLabel3", "WordWrapLabel3", "Label7"}};
  QWidget* const targets[] = {CharStrippingPanel, WordWrapPanel, IndentationPanel};
  for (int i = 0; i < 3; ++i) {
    auto* label = Place(new TClickLabel(QString::fromLatin1(captions[i]), panel), names[which][i], 6, 2 + i * 16,
                        ToolAreaWidth - 8, 16);
    QFont font = label->font();
    font.setBold(true);
    font.setPixelSize(12);
    font.setUnderline(i == which);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, i == which ? QColor(Qt::black) : SelectorLinkColour);
    label->setPalette(palette);
    if (i != which)
      label->setCursor(Qt::PointingHandCursor);
    QWidget* target = targets[i];
    connect(label, &TClickLabel::Clicked, this, [this, target, i] {
      static const char* const handlers[] = {"CharStrippingLabel1Click", "WordWrapLabel1Click",
                                             "IndentationLabel1Click"};
      Guard(ContextName(handlers[i]), Mode::Final, [&] {
        ShowPanel(target);
        FocusEditPane();
      });
    });
  }
}

void TMainWindow::ShowPanel(QWidget* panel) {
  for (QWidget* p : {CharStrippingPanel, WordWrapPanel, IndentationPanel})
    p->setVisible(p == panel);
}

QWidget* TMainWindow::BuildCharStrippingPanel(QWidget* parent) {
  auto* panel = new QWidget(parent);
  panel->setObjectName(QStringLiteral("CharStrippingPanel"));
  Place(new QLabel(QStringLiteral("Remove all..."), panel), "Label1", 6, 54, 120, 16);
  struct Row {
    QCheckBox*& box;
    QPushButton*& button;
    const char* caption;
    const char* boxName;
    const char* buttonName;
    bool checked;
  };
  const Row rows[] = {
      {RGTCheckBox, RGTButton, "Leading ' >' s", "RGTCheckBox", "RGTButton", true},
      {RBLCheckBox, RBLButton, "Blank lines", "RBLCheckBox", "RBLButton", false},
      {RDBLCheckBox, RDBLButton, "Double blank lines", "RDBLCheckBox", "RDBLButton", true},
      {RLSCheckBox, RLSButton, "Leading spaces", "RLSCheckBox", "RLSButton", true},
      {RTSCheckBox, RTSButton, "Trailing spaces", "RTSCheckBox", "RTSButton", true},
      {RDSCheckBox, RDSButton, "Double spaces", "RDSCheckBox", "RDSButton", true},
      {RCRCheckBox, RCRButton, "Carriage returns", "RCRCheckBox", "RCRButton", false},
  };
  int y = 72;
  for (const Row& row : rows) {
    row.box = Place(new QCheckBox(panel), row.boxName, 8, y + 2, 17, 17);
    row.box->setChecked(row.checked);
    row.box->setFocusPolicy(Qt::NoFocus);
    connect(row.box, &QCheckBox::clicked, this, &TMainWindow::GenericCheckBoxClick);
    row.button = ToolButton(panel, QString::fromLatin1(row.caption), row.buttonName, 32, y);
    y += 26;
  }
  AllSelectedItemsButton = ToolButton(panel, QStringLiteral("All selected items"), "AllSelectedItemsButton", 32, y);
  // The bevel joining the check boxes to the button that runs them all.
  Place(new QFrame(panel), "Bevel1", 15, y - 6, 2, 16)->setFrameShape(QFrame::VLine);
  Place(new QFrame(panel), "Bevel2", 15, y + 9, 17, 2)->setFrameShape(QFrame::HLine);
  return panel;
}

QWidget* TMainWindow::BuildWordWrapPanel(QWidget* parent) {
  auto* panel = new QWidget(parent);
  panel->setObjectName(QStringLiteral("WordWrapPanel"));
  auto* pitch = Place(new TClickLabel(QStringLiteral("Font Pitch : Fixed"), panel), "FontPitchLabel", 6, 56, 135, 16);
  QPalette palette = pitch->palette();
  palette.setColor(QPalette::WindowText, SelectorLinkColour);
  pitch->setPalette(palette);
  pitch->setCursor(Qt::PointingHandCursor);
  connect(pitch, &TClickLabel::Clicked, this, &TMainWindow::FontPitchLabelClick);
  FontPitchLabel = pitch;
  WrapAtLabel = Place(new QLabel(QStringLiteral("Wrap @ 72 chars"), panel), "WrapAtLabel", 6, 74, 135, 16);
  WrapScroll = Place(new QScrollBar(Qt::Horizontal, panel), "WrapScroll", 6, 92, 133, 17);
  WrapScroll->setRange(20, 100);
  WrapScroll->setSingleStep(1);
  WrapScroll->setPageStep(10);
  WrapScroll->setValue(72);

  auto checkRow = [&](QCheckBox*& box, const char* boxName, const QString& caption, const char* labelName, int y,
                      int height = 17) {
    box = Place(new QCheckBox(panel), boxName, 6, y, 17, 17);
    box->setFocusPolicy(Qt::NoFocus);
    return CaptionFor(box, caption, labelName, y + 1, height);
  };
  checkRow(PBLCheckBox, "PBLCheckBox", QStringLiteral("Preserve blank lines"), "PBLLabel", 120);
  checkRow(IndentParagraphsCheckBox, "IndentParagraphsCheckBox", QStringLiteral("Indent paragraphs"), "Label8", 142);
  checkRow(StripBeforeWrapCheckBox, "StripBeforeWrapCheckBox",
           QStringLiteral("Do selected char stripping before word wrapping"), "StripBeforeWrapLabel", 164, 44);
  StripBeforeWrapCheckBox->setChecked(true);
  ApplyWordWrapButton = ToolButton(panel, QStringLiteral("Apply"), "ApplyWordWrapButton", 24, 218);
  return panel;
}

QWidget* TMainWindow::BuildIndentationPanel(QWidget* parent) {
  auto* panel = new QWidget(parent);
  panel->setObjectName(QStringLiteral("IndentationPanel"));
  auto* caption =
      Place(new QLabel(QStringLiteral("Indent and word wrap selected text using..."), panel), "Label2", 6, 54, 135, 30);
  caption->setWordWrap(true);
  SPIndentButton = Place(new QRadioButton(QStringLiteral("Spaces"), panel), "SPIndentButton", 6, 86, 100, 17);
  GTIndentButton = Place(new QRadioButton(QStringLiteral("'>'s"), panel), "GTIndentButton", 6, 104, 100, 17);
  OtherIndentButton = Place(new QRadioButton(QStringLiteral("Other"), panel), "OtherIndentButton", 6, 122, 60, 17);
  OtherCharEdit = Place(new QLineEdit(QStringLiteral(">"), panel), "OtherCharEdit", 68, 120, 24, 21);
  OtherCharEdit->setMaxLength(1);
  auto* indentWith = new QButtonGroup(panel);
  for (QRadioButton* b : {SPIndentButton, GTIndentButton, OtherIndentButton})
    indentWith->addButton(b);
  SPIndentButton->setChecked(true);
  for (QRadioButton* b : {SPIndentButton, GTIndentButton, OtherIndentButton}) {
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QRadioButton::clicked, this, &TMainWindow::GenericCheckBoxClick);
  }
  connect(OtherCharEdit, &QLineEdit::textEdited, this, &TMainWindow::GenericCheckBoxClick);

  IndentDepthLabel =
      Place(new QLabel(QStringLiteral("Indent depth : 1 chars"), panel), "IndentDepthLabel", 6, 148, 135, 16);
  IndentScroll = Place(new QScrollBar(Qt::Horizontal, panel), "IndentScroll", 6, 166, 133, 17);
  IndentScroll->setRange(0, 20);
  IndentScroll->setValue(1);

  PadIndentCheckBox = Place(new QCheckBox(panel), "PadIndentCheckBox", 6, 192, 17, 17);
  PadIndentCheckBox->setChecked(true);
  PadIndentCheckBox->setFocusPolicy(Qt::NoFocus);
  connect(PadIndentCheckBox, &QCheckBox::clicked, this, &TMainWindow::GenericCheckBoxClick);
  CaptionFor(PadIndentCheckBox, QStringLiteral("Right-pad indent with a space"), "PadIndentLabel", 193, 30);
  InsertBlankLineCheckBox = Place(new QCheckBox(panel), "InsertBlankLineCheckBox", 6, 226, 17, 17);
  InsertBlankLineCheckBox->setChecked(true);
  CaptionFor(InsertBlankLineCheckBox, QStringLiteral("Insert blank line"), "InsertBlankLineLabel", 227);
  ApplyIndentButton = ToolButton(panel, QStringLiteral("Apply"), "ApplyIndentButton", 24, 254);
  return panel;
}
