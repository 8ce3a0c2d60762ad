#pragma once
// The editor's main window: the edit pane, the three tool panels, the scope
// buttons and the menus. Handlers stay thin; the work is done by the engines.

#include "ExceptionUnit.h"
#include "InstancesUnit.h"
#include "ReflowUnit.h"
#include "Stripping.h"
#include "TextFile.h"
#include "UndoStack.h"

#include <QMainWindow>
#include <QStringList>
#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QKeySequence;
class QScrollBar;
class QTimer;
class QWidget;
class TEditPane;
class TFindTextDialog;
class TIniFile;
class TListWrapDialog;
class TReplaceTextDialog;
class TSearchDialog;

class TMainWindow : public QMainWindow {
  Q_OBJECT

public:
  explicit TMainWindow(const QString& startupFile = {}, QWidget* parent = nullptr);
  ~TMainWindow() override;

  TEditPane* EditPane = nullptr;
  QStringList TempStrs;
  int SavedSelStart = 0;

  // The scope protocol every text operation goes through.
  void SaveSelTextVals();
  void RestoreSelTextVals();
  void ConfigRadioButtons();
  void SelectText(int start, int length);
  QRect SelTextBoundsRect();

  // Settings file, open from creation to close.
  std::unique_ptr<TIniFile> IniFile;
  TIniFile& Settings();
  void ReadiniFileOptions();
  bool GetIndentParagraphs();
  void SetIndentParagraphs(bool value);
  bool GetPreserveBlankLines();
  void SetPreserveBlankLines(bool value);
  int GetIndentWith() const;
  void SetIndentWith(int code);
  void SetIndentDepth(int depth);
  void UpdateIndentDepthLabel();

  // Files, font and pitch.
  QString CurrentFileName;
  TTextEncoding CurrentEncoding = TTextEncoding::Utf8;
  // File > Open and Save once the dialog has named the file.
  void OpenFile(const QString& fileName);
  void SaveFile(const QString& fileName);
  bool FixedPitch() const;
  void UpdateFontPitchLabel();
  void UpdateWrapAtLabel();
  int GetGreatestTextWidth() const;
  void WidenDisplayIfNecessary();
  int TextWidth(const QString& s) const;

  // Word wrap and indentation.
  TListWrapDialog* ListWrapDialog = nullptr;  // made at start-up after this window
  void ApplyWordWrapButtonClick(bool indentation);

  // Undo history.
  void Push();
  void Pop();
  void ClearStack();
  TUndoStack UndoStack;

  // Clipboard round trip.
  void RemoveTabs();

  // Character stripping; byUser is false when another operation runs them.
  void RGTButtonClick(bool byUser);
  void RBLButtonClick(bool byUser);
  void RDBLButtonClick(bool byUser);
  void RLSButtonClick(bool byUser);
  void RTSButtonClick(bool byUser);
  void RDSButtonClick(bool byUser);
  void RCRButtonClick(bool byUser);
  void AllSelectedItemsButtonClick(bool byUser);

  // Controls, named as the rest of the program refers to them.
  QWidget* CharStrippingPanel = nullptr;
  QWidget* WordWrapPanel = nullptr;
  QWidget* IndentationPanel = nullptr;
  QRadioButton* SelTextButton = nullptr;
  QRadioButton* AllTextButton = nullptr;
  QCheckBox* HorzScrollCheckBox = nullptr;

  QCheckBox* RGTCheckBox = nullptr;
  QCheckBox* RBLCheckBox = nullptr;
  QCheckBox* RDBLCheckBox = nullptr;
  QCheckBox* RLSCheckBox = nullptr;
  QCheckBox* RTSCheckBox = nullptr;
  QCheckBox* RDSCheckBox = nullptr;
  QCheckBox* RCRCheckBox = nullptr;
  QPushButton* RGTButton = nullptr;
  QPushButton* RBLButton = nullptr;
  QPushButton* RDBLButton = nullptr;
  QPushButton* RLSButton = nullptr;
  QPushButton* RTSButton = nullptr;
  QPushButton* RDSButton = nullptr;
  QPushButton* RCRButton = nullptr;
  QPushButton* AllSelectedItemsButton = nullptr;

  QLabel* FontPitchLabel = nullptr;
  QLabel* WrapAtLabel = nullptr;
  QScrollBar* WrapScroll = nullptr;
  QCheckBox* PBLCheckBox = nullptr;
  QCheckBox* IndentParagraphsCheckBox = nullptr;
  QCheckBox* StripBeforeWrapCheckBox = nullptr;
  QPushButton* ApplyWordWrapButton = nullptr;

  QRadioButton* SPIndentButton = nullptr;
  QRadioButton* GTIndentButton = nullptr;
  QRadioButton* OtherIndentButton = nullptr;
  QLineEdit* OtherCharEdit = nullptr;
  QLabel* IndentDepthLabel = nullptr;
  QScrollBar* IndentScroll = nullptr;
  QCheckBox* PadIndentCheckBox = nullptr;
  QCheckBox* InsertBlankLineCheckBox = nullptr;
  QPushButton* ApplyIndentButton = nullptr;

  QAction* UndoMenuItem = nullptr;
  QAction* UndoPopUpMenuItem = nullptr;
  QAction* CutMenuItem = nullptr;
  QAction* CopyMenuItem = nullptr;
  QAction* PasteMenuItem = nullptr;
  QAction* PasteAllMenuItem = nullptr;

protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

private:
  static TContextName ContextName(const char* name) { return {"TMainWindow.", name}; }
  QAction* AddMenuItem(QMenu* menu, const QString& caption, const QKeySequence& key,
                       void (TMainWindow::*handler)());
  void FormCreate();
  void FormShow();
  QWidget* BuildToolArea(QWidget* parent);
  QWidget* BuildCharStrippingPanel(QWidget* parent);
  QWidget* BuildWordWrapPanel(QWidget* parent);
  QWidget* BuildIndentationPanel(QWidget* parent);
  void AddPanelSelectors(QWidget* panel, int which);
  void BuildMenus();
  void ShowPanel(QWidget* panel);
  void FocusEditPane();

  // Edit pane and scope control events.
  void EditPaneChange();
  void EditPaneClick();
  void EditPaneMouseUp();
  void SelTextButtonClick();
  void AllTextButtonClick();
  void GenericCheckBoxClick();
  void HorzScrollCheckBoxClick();
  void Clipboard1Click();
  void PopupMenu1Popup();
  void UpdateClipboardItems();
  void UndoMenuItemClick();
  void UpdateUndoItems();
  void CutMenuItemClick();
  void CopyMenuItemClick();
  void PasteMenuItemClick();
  void SelectAllMenuItemClick();
  void PasteAllMenuItemClick();
  void CopyAllMenuItemClick();
  void ConnectStrippingButtons();
  void RunStripOp(TStripOp op, const char* contextName, Mode mode, bool byUser);
  void StripTempStrs();
  TStripSelection CurrentStripSelection() const;
  void Timer1Timer();
  void FormClose();
  void ReadPaneFont();
  void ConnectPanelOptions();
  QString FileDir();
  void LoadFile(const QString& fileName);
  void OpenMenuItemClick();
  void SaveMenuItemClick();
  void Font1Click();
  void FontPitchLabelClick();
  void WrapScrollChange();
  void PBLCheckBoxClick();
  void StripBeforeWrapCheckBoxClick();
  TReflowSettings ReflowSettings(bool indentation);
  void InsertParagraphPopUpMenuItemClick();
  void IndentParagraphsCheckBoxClick();
  void IndentScrollChange();

  QTimer* Timer1 = nullptr;
  QString startupFile_;
  bool shown_ = false;
  QMenu* clipboardMenu_ = nullptr;
  QMenu* popupMenu_ = nullptr;

  // Find and replace.
public:
  // The dialogs are made at start-up after this window; the Replace Text
  // dialog carries its confirmation.
  void SetSearchDialogs(TFindTextDialog* findTextDialog, TReplaceTextDialog* replaceTextDialog);
  TFindTextDialog* FindTextDialog = nullptr;
  TReplaceTextDialog* ReplaceTextDialog = nullptr;
  bool LastSearchWasReplace = false;
  TInstances Instances;
  void Find1Click();
  void FindNextInstance();
  void ReplaceText1Click();
  void ReplaceNextInstance();
  void FindReplacenextinstance1Click();

private:
  struct TReplacement {
    int Start = 0;
    int RemovedLength = 0;
    QString Inserted;
  };
  void InitInstances(const TSearchDialog& dialog);
  int StartSearch(const TSearchDialog& dialog);
  void SelectFound(int offset, bool searchDown);
  void PushStep();
  void ReplaceStep(int offset);
  void RunReplaceChain();
  void EndReplaceOperation();
  // The last replace step's change, as long as nothing else changed the
  // text; a chain running inside one command changes it only by its steps.
  std::optional<TReplacement> lastReplacement_;
  bool chainRunning_ = false;
};
