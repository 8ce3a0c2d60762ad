#pragma once
// The Find Text dialog: the text to find with its history in
// "FindTextDialog.txt", and the options of the search. Its state lives in
// [FindTextDialog] of the settings file.

#include "SearchDialog.h"

class TFindTextDialog : public TSearchDialog {
  Q_OBJECT

public:
  explicit TFindTextDialog(QWidget* parent = nullptr);

  QLabel* Label1;

protected:
  QList<THistoryBox> Histories() const override;
  void ReadExtraSettings(TIniFile&) override {}
  void WriteExtraSettings(TIniFile&) override {}

private:
  void OkButtonClick();
};
