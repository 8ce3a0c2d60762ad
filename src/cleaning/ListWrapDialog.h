#pragma once
// The List Detected dialog: says which kind of list the re-flow found, shows
// the widest bullet and a live sample of the hanging indent, and asks whether
// to treat the text as a list. Yes pads the stream's bullets to one width.

#include "ReflowUnit.h"

#include <QDialog>
#include <QFont>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class TIniFile;

class TListWrapDialog : public QDialog {
  Q_OBJECT

public:
  explicit TListWrapDialog(QWidget* parent = nullptr);

  // Shows the dialog modally over the detected stream; measures text in
  // paneFont and keeps the blank-line choice in [ListFormat] of settings.
  // Any way of closing other than Yes answers No.
  TListAnswer Ask(TTokens& stream, const TListDetection& detection, const QFont& paneFont, TIniFile& settings);

  int ListItemIndent() const;

  QLabel* Label1;
  QLabel* ListBulletLabel;
  QScrollBar* ScrollBar1;
  QLabel* ListIndentLabel;
  QLabel* SampleLabel;
  QCheckBox* BlankLineBetweenListItemsCheckBox;
  QPushButton* YesButton;
  QPushButton* NoButton;

private:
  void FormShow(const TListDetection& detection);
  int TextWidth(const QString& s) const;
  int TextHeight() const;
  void InitScrollBar1();
  void ScrollBar1Change();
  void IndentSampleLabel();
  void BlankLineBetweenListItemsCheckBoxClick();
  void YesButtonClick();

  QGroupBox* GroupBox1;
  TTokens* stream_ = nullptr;
  TIniFile* settings_ = nullptr;
  QFont paneFont_;
  QString widestBullet_;
  QString sampleText_;  // the sample as last re-flowed, lines ended by CR
};
