#include "ConfirmTextReplaceUnit.h"

#include "ExceptionUnit.h"
#include "ReplaceTextUnit.h"

#include <QLabel>
#include <QPushButton>

namespace {

TContextName ContextName(const char* name) { return TContextName("ConfirmTextReplaceDialog.", name); }

}  // namespace

TConfirmTextReplaceDialog::TConfirmTextReplaceDialog(TReplaceTextDialog& replaceDialog, QWidget* parent)
    : QDialog(parent), replaceDialog_(replaceDialog) {
  setObjectName(QStringLiteral("ConfirmTextReplaceDialog"));
  setWindowTitle(QStringLiteral("Confirm Text Replacement"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::WindowStaysOnTopHint);
  setFixedSize(266, 66);
  Label1 = new QLabel(QStringLiteral("Replace the highlighted instance ?"), this);
  Label1->setGeometry(8, 10, 250, 16);
  const auto button = [this](const char* name, const QString& caption, int left) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(left, 34, 59, 25);
    return b;
  };
  AllButton = button("AllButton", QStringLiteral("&All"), 8);
  YesButton = button("YesButton", QStringLiteral("&Yes"), 71);
  NoButton = button("NoButton", QStringLiteral("&No"), 134);
  CancelButton = button("CancelButton", QStringLiteral("&Cancel"), 197);
  YesButton->setDefault(true);
  connect(AllButton, &QPushButton::clicked, this, &TConfirmTextReplaceDialog::AllButtonClick);
  connect(YesButton, &QPushButton::clicked, this, [this] { done(QMessageBox::Yes); });
  connect(NoButton, &QPushButton::clicked, this, [this] { done(QMessageBox::No); });
  connect(CancelButton, &QPushButton::clicked, this, &TConfirmTextReplaceDialog::CancelButtonClick);
  replaceDialog.ConfirmDialog = this;
}

QMessageBox::StandardButton TConfirmTextReplaceDialog::ShowModal(int x, int y) {
  return Guard(ContextName("ShowModal"), Mode::Propagate, [&] {
    move(x, y);
    YesButton->setFocus();
    const int result = exec();
    return result == QMessageBox::Yes || result == QMessageBox::No ? QMessageBox::StandardButton(result)
                                                                   : QMessageBox::Cancel;
  });
}

// A chain started with OK becomes Replace All; in a chain that already is
// one, the rest goes without asking.
void TConfirmTextReplaceDialog::AllButtonClick() {
  Guard(ContextName("AllButtonClick"), Mode::Final, [&] {
    if (replaceDialog_.ReplaceAll)
      replaceDialog_.AllConfirmed = true;
    else
      replaceDialog_.ReplaceAll = true;
  });
  done(QMessageBox::Yes);
}

void TConfirmTextReplaceDialog::CancelButtonClick() {
  Guard(ContextName("CancelButtonClick"), Mode::Final, [&] { replaceDialog_.ClearFlags(); });
  done(QMessageBox::Cancel);
}

// The close box and Escape close with Cancel too, and end the chain.
void TConfirmTextReplaceDialog::done(int result) {
  if (result != QMessageBox::Yes && result != QMessageBox::No)
    replaceDialog_.ClearFlags();
  QDialog::done(result);
}
