#include "ListWrapDialog.h"

#include "ExceptionUnit.h"
#include "IniFile.h"
#include "ScreenRect.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace {

TContextName ContextName(const char* name) { return TContextName("ListWrapDialog.", name); }

const QString ListFormat = QStringLiteral("ListFormat");
const QString BlankLine = QStringLiteral("BlankLine");
constexpr int SampleLabelWidth = 257;

}  // namespace

TListWrapDialog::TListWrapDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ListWrapDialog"));
  setWindowTitle(QStringLiteral("List Detected"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  Label1 = new QLabel(this);
  Label1->setWordWrap(true);
  Label1->setGeometry(8, 8, 260, 30);
  auto* label2 = new QLabel(QStringLiteral("Sample List Bullet :"), this);
  label2->setGeometry(8, 44, 100, 17);
  ListBulletLabel = new QLabel(this);
  ListBulletLabel->setGeometry(110, 42, 158, 19);
  ListBulletLabel->setAutoFillBackground(true);
  ListBulletLabel->setStyleSheet(QStringLiteral("QLabel { background: white; font-weight: bold; }"));
  ListBulletLabel->setTextFormat(Qt::PlainText);

  GroupBox1 = new QGroupBox(QStringLiteral("List Item Indentation"), this);
  GroupBox1->setGeometry(4, 66, 268, 100);
  ScrollBar1 = new QScrollBar(Qt::Horizontal, GroupBox1);
  ScrollBar1->setGeometry(8, 20, 170, 17);
  ScrollBar1->setRange(0, MaxListItemIndent);
  ListIndentLabel = new QLabel(GroupBox1);
  ListIndentLabel->setGeometry(186, 20, 76, 17);
  SampleLabel = new QLabel(GroupBox1);
  SampleLabel->setTextFormat(Qt::PlainText);
  SampleLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  SampleLabel->setGeometry(5, 44, SampleLabelWidth, 20);
  BlankLineBetweenListItemsCheckBox = new QCheckBox(QStringLiteral("Blank line between list items"), GroupBox1);
  BlankLineBetweenListItemsCheckBox->setGeometry(8, 72, 250, 17);

  YesButton = new QPushButton(QStringLiteral("Yes, it's a list. Indent as specified above."), this);
  NoButton = new QPushButton(QStringLiteral("No, it's not a list. Don't do any special indentation."), this);
  for (QPushButton* b : {YesButton, NoButton})
    b->setGeometry(8, 0, 260, 25);
  YesButton->setDefault(true);

  connect(ScrollBar1, &QScrollBar::valueChanged, this, &TListWrapDialog::ScrollBar1Change);
  connect(BlankLineBetweenListItemsCheckBox, &QCheckBox::clicked, this,
          &TListWrapDialog::BlankLineBetweenListItemsCheckBoxClick);
  connect(YesButton, &QPushButton::clicked, this, &TListWrapDialog::YesButtonClick);
  connect(NoButton, &QPushButton::clicked, this, &QDialog::reject);
}

TListAnswer TListWrapDialog::Ask(TTokens& stream, const TListDetection& detection, const QFont& paneFont,
                                 TIniFile& settings) {
  stream_ = &stream;
  settings_ = &settings;
  paneFont_ = paneFont;
  FormShow(detection);
  const bool yes = exec() == QDialog::Accepted;
  stream_ = nullptr;
  return {yes, yes && BlankLineBetweenListItemsCheckBox->isChecked(), ListItemIndent()};
}

int TListWrapDialog::ListItemIndent() const {
  return Guard(ContextName("ListItemIndent"), Mode::Propagate, [&] { return ScrollBar1->value(); });
}

int TListWrapDialog::TextWidth(const QString& s) const {
  return Guard(ContextName("TextWidth"), Mode::Propagate,
               [&] { return QFontMetrics(paneFont_).horizontalAdvance(s); });
}

int TListWrapDialog::TextHeight() const {
  return Guard(ContextName("TextHeight"), Mode::Propagate, [&] { return QFontMetrics(paneFont_).lineSpacing(); });
}

void TListWrapDialog::FormShow(const TListDetection& detection) {
  Guard(ContextName("FormShow"), Mode::Final, [&] {
    BlankLineBetweenListItemsCheckBox->setChecked(settings_->ReadBool(ListFormat, BlankLine, true));
    Label1->setText(ListDetectedMessage(detection.Dominant));
    SampleLabel->setFont(paneFont_);
    widestBullet_ = LongestListBullet(*stream_, [this](const QString& s) { return TextWidth(s); });
    sampleText_ = ListSampleText(widestBullet_);
    InitScrollBar1();
    ListBulletLabel->setText(widestBullet_);
    move(CentredOn(ScreenRect(), frameGeometry().size()));
  });
}

// The scroll bar starts at the bullet's width in spaces; the sample is drawn
// whether or not that moved it.
void TListWrapDialog::InitScrollBar1() {
  Guard(ContextName("InitScrollBar1"), Mode::Propagate, [&] {
    const QSignalBlocker quiet(ScrollBar1);
    ScrollBar1->setValue(DefaultListItemIndent(widestBullet_, [this](const QString& s) { return TextWidth(s); }));
    ScrollBar1Change();
  });
}

void TListWrapDialog::ScrollBar1Change() {
  Guard(ContextName("ScrollBar1Change"), Mode::Propagate, [&] {
    IndentSampleLabel();
    ListIndentLabel->setText(ListIndentCaption(ListItemIndent()));
  });
}

void TListWrapDialog::IndentSampleLabel() {
  Guard(ContextName("IndentSampleLabel"), Mode::Propagate, [&] {
    const TListSample sample = IndentSample(sampleText_, SampleLabel->width(), ListItemIndent(),
                                            [this](const QString& s) { return TextWidth(s); });
    SampleLabel->resize(SampleLabel->width(), TextHeight() * sample.Lines);
    GroupBox1->resize(GroupBox1->width(), SampleLabel->height() + 79);
    BlankLineBetweenListItemsCheckBox->move(BlankLineBetweenListItemsCheckBox->x(), SampleLabel->geometry().bottom() + 8);
    YesButton->move(YesButton->x(), GroupBox1->geometry().bottom() + 8);
    NoButton->move(NoButton->x(), YesButton->geometry().bottom() + 8);
    setFixedSize(276, NoButton->geometry().bottom() + 8);
    const QRect screen = ScreenRect();
    if (frameGeometry().bottom() > screen.bottom())
      move(x(), y() - (frameGeometry().bottom() - screen.bottom()));
    sampleText_ = sample.Text;
    SampleLabel->setText(QString(sample.Text).replace(u'\r', u'\n'));
  });
}

void TListWrapDialog::BlankLineBetweenListItemsCheckBoxClick() {
  Guard(ContextName("BlankLineBetweenListItemsCheckBoxClick"), Mode::Final,
        [&] { settings_->WriteBool(ListFormat, BlankLine, BlankLineBetweenListItemsCheckBox->isChecked()); });
}

// A failure while padding is reported; Yes still answers Yes.
void TListWrapDialog::YesButtonClick() {
  Guard(ContextName("YesButtonClick"), Mode::Final,
        [&] { PadBullets(*stream_, [this](const QString& s) { return TextWidth(s); }); });
  accept();
}
