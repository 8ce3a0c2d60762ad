#pragma once
// The Confirm Text Replacement dialog, asked at each instance of a prompted
// replacement. "&All" also sets the Replace Text dialog's chain flags;
// "&Cancel" and every other way of closing it with Cancel clear them.

#include <QDialog>
#include <QMessageBox>

class QLabel;
class QPushButton;
class TReplaceTextDialog;

class TConfirmTextReplaceDialog : public QDialog {
  Q_OBJECT

public:
  // Becomes the confirmation of replaceDialog.
  TConfirmTextReplaceDialog(TReplaceTextDialog& replaceDialog, QWidget* parent = nullptr);

  // Shows the dialog modally with its top-left corner at the screen point
  // (x, y); returns Yes, No or Cancel.
  QMessageBox::StandardButton ShowModal(int x, int y);

  QLabel* Label1;
  QPushButton* AllButton;
  QPushButton* YesButton;
  QPushButton* NoButton;
  QPushButton* CancelButton;

protected:
  void done(int result) override;

private:
  void AllButtonClick();
  void CancelButtonClick();

  TReplaceTextDialog& replaceDialog_;
};
