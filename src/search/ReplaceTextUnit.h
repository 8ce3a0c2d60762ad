#pragma once
// The Replace Text dialog: the text to find and its replacement, each with a
// history ("ReplaceTextDialog-SearchStrs.txt", "ReplaceTextDialog-
// ReplaceStrs.txt"), the options, and the two flags that carry a replace
// chain. Its state lives in [ReplaceTextDialog] of the settings file.

#include "SearchDialog.h"

#include <QMessageBox>

class TConfirmTextReplaceDialog;

class TReplaceTextDialog : public TSearchDialog {
  Q_OBJECT

public:
  explicit TReplaceTextDialog(QWidget* parent = nullptr);

  QString GetReplaceStr() const;
  void SetReplaceStr(const QString& value);
  bool GetPromptOnReplace() const;
  void SetPromptOnReplace(bool value);

  // Shows the confirmation beside the selected instance, whose screen
  // rectangle is given; returns Yes, No or Cancel.
  QMessageBox::StandardButton ReplacePrompt(const QRect& instance);
  int ReplacePromptX(const QRect& instance) const;
  int ReplacePromptY(const QRect& instance) const;

  // Each step of the current operation is followed by the next one.
  bool ReplaceAll = false;
  // No further confirmation is asked in the current chain.
  bool AllConfirmed = false;
  void ClearFlags();

  // Set by the confirmation dialog, which belongs to this one.
  TConfirmTextReplaceDialog* ConfirmDialog = nullptr;

  QLabel* Label1;
  QLabel* Label2;
  QComboBox* ComboBox2;
  QCheckBox* PromptCheckBox;
  QPushButton* ReplaceAllButton;

protected:
  QList<THistoryBox> Histories() const override;
  void ReadExtraSettings(TIniFile& settings) override;
  void WriteExtraSettings(TIniFile& settings) override;

private:
  void OkButtonClick();
  void ReplaceAllButtonClick();
  QSize PromptSize() const;
};
