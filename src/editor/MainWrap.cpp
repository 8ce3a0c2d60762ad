// Word wrap and indentation: both Apply buttons re-flow the scope; the
// Indentation panel adds its prefix. Also the automatic indent depth and
// Insert Paragraph.
#include "EditPane.h"
#include "IndentUnit.h"
#include "IniFile.h"
#include "ListWrapDialog.h"
#include "MainUnit.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

TReflowSettings TMainWindow::ReflowSettings(bool indentation) {
  TReflowSettings settings;
  settings.WrapWidth = WrapScroll->value();
  settings.FixedPitch = FixedPitch();
  settings.PreserveBlankLines = PBLCheckBox->isChecked();
  settings.IndentParagraphs = GetIndentParagraphs();
  if (indentation) {
    const QChar c = IndentChar(GetIndentWith(), OtherCharEdit->text());
    settings.IndentPrefix = IndentPrefix(IndentScroll->value(), c, PadIndentCheckBox->isChecked());
    settings.LeadingBlankLine = InsertBlankLineCheckBox->isChecked();
  }
  return settings;
}

// One snapshot covers the whole operation, the stripping before it included.
// The stripping, the re-flow and the removal of double blank lines work on
// the loaded lines and the pane is filled once, unless the re-flow leaves
// nothing: then the scope falls back as any emptied scope does, and double
// blank lines go from what the pane then holds.
void TMainWindow::ApplyWordWrapButtonClick(bool indentation) {
  Guard(ContextName("ApplyWordWrapButtonClick"), Mode::Final, [&] {
    Push();
    SaveSelTextVals();
    if (StripBeforeWrapCheckBox->isChecked())
      Guard(ContextName("AllSelectedItemsButtonClick"), Mode::Propagate, [&] { StripTempStrs(); });
    const TListConfirm confirm = [this](TTokens& stream, const TListDetection& detection) {
      if (!ListWrapDialog)
        RaiseMessage(QStringLiteral("The List Detected dialog does not exist"));
      return ListWrapDialog->Ask(stream, detection, EditPane->font(), Settings());
    };
    TempStrs = Reflow(std::move(TempStrs), ReflowSettings(indentation),
                      [this](const QString& s) { return TextWidth(s); }, confirm);
    if (TempStrs.isEmpty()) {
      RestoreSelTextVals();
      RDBLButtonClick(false);
    } else {
      Guard(ContextName("RDBLButtonClick"), Mode::Propagate,
            [&] { TempStrs = ApplyStripOp(TStripOp::DoubleBlankLines, TempStrs); });
      RestoreSelTextVals();
    }
    FocusEditPane();
  });
}

void TMainWindow::StripBeforeWrapCheckBoxClick() {
  Guard(ContextName("StripBeforeWrapCheckBoxClick"), Mode::Final, [&] { FocusEditPane(); });
}

// A selection over several lines sets the depth to its deepest quote level.
void TMainWindow::EditPaneMouseUp() {
  Guard(ContextName("EditPaneMouseUp"), Mode::Final, [&] {
    ConfigRadioButtons();
    const QString selected = EditPane->SelText();
    if (selected.contains(u'\r'))
      IndentScroll->setValue(LongestIndentStr(selected));
  });
}

void TMainWindow::InsertParagraphPopUpMenuItemClick() {
  Guard(ContextName("InsertParagraphPopUpMenuItemClick"), Mode::Final, [&] {
    Push();
    if (const auto inserted = InsertParagraph(EditPane->Text(), EditPane->SelStart())) {
      EditPane->SetText(inserted->Text);
      SelectText(int(inserted->Caret), 0);
    }
  });
}
