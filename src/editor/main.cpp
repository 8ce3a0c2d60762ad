// The editor's entry point: one copy per user session, then the windows in
// their fixed order.
#include "Application.h"
#include "ConfirmTextReplaceUnit.h"
#include "FindTextUnit.h"
#include "ListWrapDialog.h"
#include "MainUnit.h"
#include "ReplaceTextUnit.h"
#include "SingleInstance.h"
#include "SysErrLog.h"
#include "SysErrWindow.h"

#include <QDir>
#include <QMessageBox>

#include <cstdio>

int main(int argc, char* argv[]) {
  TApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quillsweep"));
  // Liberation Sans keeps the narrow metrics the control sizes were made for.
  QFont uiFont(QStringLiteral("Liberation Sans"));
  uiFont.setPixelSize(11);
  QApplication::setFont(uiFont);

  TSingleInstanceLock lock;
  if (!lock.Acquire(QDir(QDir::tempPath()).filePath(QStringLiteral("QuillsweepSemaphore")))) {
    const QString message = QStringLiteral("Quillsweep is already running");
    std::fprintf(stderr, "%s\n", qPrintable(message));
    QMessageBox::critical(nullptr, QStringLiteral("Quillsweep"), message);
    return 1;
  }

  const QStringList args = QApplication::arguments();
  TMainWindow mainWindow(args.size() > 1 ? args.at(1) : QString());
  TSysErrorWindow sysErrorWindow(&mainWindow);
  TSysErrorLog sysErrorLog(&mainWindow);
  sysErrorWindow.SetLog(&sysErrorLog);
  InstallSysErrorWindow(&sysErrorWindow);
  TListWrapDialog listWrapDialog(&mainWindow);
  mainWindow.ListWrapDialog = &listWrapDialog;
  TFindTextDialog findTextDialog(&mainWindow);
  TReplaceTextDialog replaceTextDialog(&mainWindow);
  TConfirmTextReplaceDialog confirmTextReplaceDialog(replaceTextDialog, &mainWindow);
  mainWindow.SetSearchDialogs(&findTextDialog, &replaceTextDialog);
  mainWindow.show();
  return app.exec();
}
