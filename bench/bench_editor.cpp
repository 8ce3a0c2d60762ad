// Times the editor's own paths on one file, in a real (offscreen) main
// window: "All selected items" and the Word Wrap panel's Apply, each from
// the click to the text back in the pane, undo snapshot included. A List
// Detected question is answered No at once.
#include "EditPane.h"
#include "ListWrapDialog.h"
#include "MainUnit.h"
#include "StrFcns.h"
#include "TextFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

double Seconds(const std::function<void()>& work) {
  QElapsedTimer timer;
  timer.start();
  work();
  return double(timer.nsecsElapsed()) / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: bench_editor FILE\n");
    return 2;
  }
  QTemporaryDir home;
  SetHomeDir(home.path());
  TMainWindow window;
  TListWrapDialog dialog(&window);
  window.ListWrapDialog = &dialog;
  QTimer answerNo;
  QObject::connect(&answerNo, &QTimer::timeout, &dialog, [&dialog] {
    if (dialog.isVisible())
      dialog.reject();
  });
  answerNo.start(0);
  window.show();

  const TTextFile file = ReadTextFile(QString::fromLocal8Bit(argv[1]));
  const double megabytes = double(file.text.size()) / 1e6;
  const double load = Seconds([&] { window.EditPane->SetText(file.text); });
  const double clean = Seconds([&] { window.AllSelectedItemsButton->click(); });
  window.EditPane->SetText(file.text);
  const double wrap = Seconds([&] { window.ApplyWordWrapButton->click(); });
  std::printf("%8.1f %10.3f %10.3f %10.1f %10.3f %10.1f\n", megabytes, load, clean, megabytes / clean, wrap,
              megabytes / wrap);
  return 0;
}
