#pragma once
// What the Find Text and Replace Text dialogs share: the search box with its
// history, the case and whole-word options, the Direction and Origin groups,
// OK and Cancel. The controls are the only store of the state; the dialog
// loads it from the settings file and the history files every time it
// opens and saves it every time it closes, confirmed or not.

#include "ExceptionUnit.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class TIniFile;
class TRadioGroup;

class TSearchDialog : public QDialog {
  Q_OBJECT

public:
  // Shows the dialog modally; true when it closed with result OK.
  bool Execute(TIniFile& settings);
  // Sets the controls from the dialog's section of the settings file.
  void ReadSettings(TIniFile& settings);

  QString GetSearchStr() const;
  void SetSearchStr(const QString& value);
  bool GetCaseSensitive() const;
  void SetCaseSensitive(bool value);
  bool GetWholeWordsOnly() const;
  void SetWholeWordsOnly(bool value);
  bool GetSearchDown() const;
  void SetSearchDown(bool value);
  bool GetSearchFromCursor() const;
  void SetSearchFromCursor(bool value);

  QComboBox* ComboBox1;
  QGroupBox* GroupBox1;
  QCheckBox* CaseSensitiveCheckBox;
  QCheckBox* WholeWordsCheckBox;
  TRadioGroup* Direction;
  TRadioGroup* Origin;
  QPushButton* OkButton;
  QPushButton* CancelButton;

protected:
  // name is the form's name, the settings section and the prefix of the
  // context names.
  TSearchDialog(const char* name, const char* contextPrefix, QWidget* parent);

  struct THistoryBox {
    QComboBox* box;
    QString fileName;  // in the program's directory
  };
  virtual QList<THistoryBox> Histories() const = 0;
  // The keys beyond the five that both dialogs keep.
  virtual void ReadExtraSettings(TIniFile& settings) = 0;
  virtual void WriteExtraSettings(TIniFile& settings) = 0;

  TContextName ContextName(const char* name) const { return {contextPrefix_, name}; }
  QComboBox* NewHistoryBox();
  void UpdateComboBoxItems(QComboBox* box);
  void done(int result) override;

  QString section_;

private:
  void FormShow();
  void FormClose();

  const char* contextPrefix_;
  TIniFile* settings_ = nullptr;
};
