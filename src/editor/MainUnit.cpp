#include "MainUnit.h"

#include "EditPane.h"
#include "IniFile.h"
#include "SampleMessage.h"
#include "StrFcns.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QClipboard>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

TMainWindow::TMainWindow(const QString& startupFile, QWidget* parent)
    : QMainWindow(parent), startupFile_(startupFile) {
  setObjectName(QStringLiteral("MainWindow"));
  setWindowTitle(QStringLiteral("Quillsweep"));
  resize(606, 458);
  setMinimumSize(481, 458);

  auto* central = new QWidget(this);
  auto* layout = new QHBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  EditPane = new TEditPane(central);
  layout->addWidget(BuildToolArea(central));
  layout->addWidget(EditPane, 1);
  setCentralWidget(central);
  EditPane->SetText(SampleMessage());
  BuildMenus();
  connect(EditPane, &QPlainTextEdit::textChanged, this, &TMainWindow::EditPaneChange);
  connect(EditPane, &TEditPane::MouseReleased, this, &TMainWindow::EditPaneMouseUp);
  connect(EditPane, &TEditPane::Clicked, this, &TMainWindow::EditPaneClick);
  connect(EditPane, &QPlainTextEdit::selectionChanged, this, &TMainWindow::UpdateClipboardItems);
  connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &TMainWindow::UpdateClipboardItems);
  ConnectStrippingButtons();
  ConnectPanelOptions();
  UpdateClipboardItems();

  Timer1 = new QTimer(this);
  Timer1->setInterval(1);
  connect(Timer1, &QTimer::timeout, this, &TMainWindow::Timer1Timer);
  Timer1->start();

  FormCreate();
}

TMainWindow::~TMainWindow() = default;

// Runs before the error window exists, so a failure gets a plain message box
// and start-up goes on without the remaining steps.
void TMainWindow::FormCreate() {
  try {
    IniFile = std::make_unique<TIniFile>(HomeDirFileName(QStringLiteral("Quillsweep.ini")));
    ReadPaneFont();
    UpdateFontPitchLabel();
    EditPane->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(EditPane, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popupMenu_->popup(EditPane->viewport()->mapToGlobal(at)); });
  } catch (const std::exception& error) {
    QMessageBox::critical(nullptr, QStringLiteral("Quillsweep"),
                          ContextName("FormCreate").ToString() + QStringLiteral(" ") + ErrorMessage(error));
  }
}

void TMainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_)
    return;
  shown_ = true;
  FormShow();
  // Stored bounds give the size; the window always opens centred.
  const QRect desktop = screen()->availableGeometry();
  move(desktop.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
}

void TMainWindow::FormShow() {
  Guard(ContextName("FormShow"), Mode::Propagate, [&] {
    ConfigRadioButtons();
    ReadiniFileOptions();
    HorzScrollCheckBoxClick();
    // A file named on the command line is shown but not taken as the file
    // to save to.
    if (!startupFile_.isEmpty() && QFileInfo(startupFile_).isFile())
      LoadFile(startupFile_);
  });
}

void TMainWindow::closeEvent(QCloseEvent* event) {
  FormClose();
  QMainWindow::closeEvent(event);
}

void TMainWindow::Timer1Timer() {
  Guard(ContextName("Timer1Timer"), Mode::Propagate, [&] { Timer1->stop(); });
}

void TMainWindow::FocusEditPane() { EditPane->setFocus(); }
