// The Char Stripping panel: each button strips the scope once; "All selected
// items" runs every checked operation in a fixed order under one snapshot.
#include "EditPane.h"
#include "MainUnit.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

void TMainWindow::ConnectStrippingButtons() {
  const std::pair<QPushButton*, void (TMainWindow::*)(bool)> buttons[] = {
      {RGTButton, &TMainWindow::RGTButtonClick},   {RBLButton, &TMainWindow::RBLButtonClick},
      {RDBLButton, &TMainWindow::RDBLButtonClick}, {RLSButton, &TMainWindow::RLSButtonClick},
      {RTSButton, &TMainWindow::RTSButtonClick},   {RDSButton, &TMainWindow::RDSButtonClick},
      {RCRButton, &TMainWindow::RCRButtonClick},   {AllSelectedItemsButton, &TMainWindow::AllSelectedItemsButtonClick}};
  for (const auto& [button, handler] : buttons)
    connect(button, &QPushButton::clicked, this, [this, handler = handler] { (this->*handler)(true); });
}

void TMainWindow::RunStripOp(TStripOp op, const char* contextName, Mode mode, bool byUser) {
  Guard(ContextName(contextName), mode, [&] {
    if (byUser)
      Push();
    SaveSelTextVals();
    TempStrs = ApplyStripOp(op, TempStrs);
    RestoreSelTextVals();
  });
}

void TMainWindow::RGTButtonClick(bool byUser) {
  RunStripOp(TStripOp::LeadingGTs, "RGTButtonClick", ModeFor(byUser), byUser);
}
void TMainWindow::RBLButtonClick(bool byUser) {
  RunStripOp(TStripOp::BlankLines, "RBLCheckBoxClick", ModeFor(byUser), byUser);
}
void TMainWindow::RDBLButtonClick(bool byUser) {
  RunStripOp(TStripOp::DoubleBlankLines, "RDBLButtonClick", ModeFor(byUser), byUser);
}
void TMainWindow::RLSButtonClick(bool byUser) {
  RunStripOp(TStripOp::LeadingSpaces, "RLSButtonClick", ModeFor(byUser), byUser);
}
void TMainWindow::RTSButtonClick(bool byUser) {
  RunStripOp(TStripOp::TrailingSpaces, "StripTrailingSpaces", ModeFor(byUser), byUser);
}
// Its failure goes to the application's default error display even after a click.
void TMainWindow::RDSButtonClick(bool byUser) {
  RunStripOp(TStripOp::DoubleSpaces, "RDSButtonClick", Mode::Propagate, byUser);
}
void TMainWindow::RCRButtonClick(bool byUser) {
  RunStripOp(TStripOp::CarriageReturns, "RCRButtonClick", ModeFor(byUser), byUser);
}

TStripSelection TMainWindow::CurrentStripSelection() const {
  TStripSelection s;
  s.leadingGTs = RGTCheckBox->isChecked();
  s.blankLines = RBLCheckBox->isChecked();
  s.doubleBlankLines = RDBLCheckBox->isChecked();
  s.leadingSpaces = RLSCheckBox->isChecked();
  s.trailingSpaces = RTSCheckBox->isChecked();
  s.doubleSpaces = RDSCheckBox->isChecked();
  s.carriageReturns = RCRCheckBox->isChecked();
  s.preserveBlankLines = PBLCheckBox->isChecked();
  return s;
}

namespace {

const char* StepContextName(TStripOp op) {
  switch (op) {
    case TStripOp::LeadingGTs: return "RGTButtonClick";
    case TStripOp::BlankLines: return "RBLCheckBoxClick";
    case TStripOp::DoubleBlankLines: return "RDBLButtonClick";
    case TStripOp::LeadingSpaces: return "RLSButtonClick";
    case TStripOp::TrailingSpaces: return "StripTrailingSpaces";
    case TStripOp::DoubleSpaces: return "RDSButtonClick";
    case TStripOp::CarriageReturns: return "RCRButtonClick";
  }
  return "";
}

}  // namespace

// The checked steps run on the loaded lines one after the other and the
// caller writes the result back once: the same text as writing back after
// every step, without re-filling the pane each time. When a step empties a
// selection, the selection is deleted and the remaining steps work on the
// whole text. The scope the user chose holds for the whole sequence.
void TMainWindow::StripTempStrs() {
  for (TStripOp op : SelectedStripOps(CurrentStripSelection())) {
    Guard(ContextName(StepContextName(op)), Mode::Propagate, [&] { TempStrs = ApplyStripOp(op, TempStrs); });
    if (TempStrs.isEmpty() && SelTextButton->isChecked()) {
      RestoreSelTextVals();
      SaveSelTextVals();
    }
  }
}

void TMainWindow::AllSelectedItemsButtonClick(bool byUser) {
  Guard(ContextName("AllSelectedItemsButtonClick"), ModeFor(byUser), [&] {
    if (byUser)
      Push();
    if (SelectedStripOps(CurrentStripSelection()).isEmpty())
      return;
    SaveSelTextVals();
    StripTempStrs();
    RestoreSelTextVals();
  });
}
