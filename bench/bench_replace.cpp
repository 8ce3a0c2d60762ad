// Times "Replace All" in the editor's own main window (offscreen), the way a
// user runs it: the Replace Text dialog confirmed with "Replace All" over a
// text of about 1 MB holding 10,000 instances, downward and then upward.
// Prints one row per direction: instances, megabytes, seconds, the undo
// steps left on the stack, the milliseconds of an Undo afterwards, and the
// peak resident memory. Exits with 1 when the result or the undo depth is
// not what the operation must leave.
//   bench_replace [INSTANCES]    (default 10000)
#include "ConfirmTextReplaceUnit.h"
#include "EditPane.h"
#include "ExceptionUnit.h"
#include "FindTextUnit.h"
#include "MainUnit.h"
#include "ReplaceTextUnit.h"
#include "StrFcns.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

namespace {

// One instance per line of 100 characters.
const QString Line = QStringLiteral(
    "The quick brown fox jumps over the lazy dog, and a needle hides somewhere in this line of dry hay.\r\n");

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return double(usage.ru_maxrss) / 1024.0;
}

bool Run(int instances, bool down) {
  TMainWindow window;
  TFindTextDialog find(&window);
  TReplaceTextDialog replace(&window);
  TConfirmTextReplaceDialog confirm(replace, &window);
  window.SetSearchDialogs(&find, &replace);
  window.show();
  const QString text = Line.repeated(instances);
  window.EditPane->SetText(text);

  QTimer::singleShot(0, &replace, [&] {
    replace.SetSearchStr(QStringLiteral("needle"));
    replace.SetReplaceStr(QStringLiteral("pin"));
    replace.SetCaseSensitive(false);
    replace.SetWholeWordsOnly(false);
    replace.SetPromptOnReplace(false);
    replace.SetSearchDown(down);
    replace.SetSearchFromCursor(false);
    replace.ReplaceAllButton->click();
  });
  QElapsedTimer timer;
  timer.start();
  window.ReplaceText1Click();
  const double seconds = double(timer.nsecsElapsed()) / 1e9;
  const int depth = window.UndoStack.Count();
  const QString allReplaced = QString(text).replace(QStringLiteral("needle"), QStringLiteral("pin"));
  const bool replaced = window.EditPane->Text() == allReplaced;

  // The first undo gives back the snapshot of the last step, which found
  // nothing; the second puts the last instance replaced back.
  window.Pop();
  timer.restart();
  window.Pop();
  const double undoMs = double(timer.nsecsElapsed()) / 1e6;
  QString oneBack = allReplaced;
  const qsizetype last = down ? oneBack.lastIndexOf(QStringLiteral("pin")) : oneBack.indexOf(QStringLiteral("pin"));
  oneBack.replace(last, 3, QStringLiteral("needle"));
  const bool undone = window.EditPane->Text() == oneBack;

  std::printf("%6s %10d %8.1f %10.3f %12d %10.1f %10.0f\n", down ? "down" : "up", instances,
              double(text.size()) / 1e6, seconds, depth, undoMs, PeakMegabytes());
  const bool ok = replaced && undone && depth == instances + 1;
  if (!ok)
    std::fprintf(stderr, "wrong result: text %s, undo depth %d\n", replaced && undone ? "right" : "wrong", depth);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int instances = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;
  if (instances <= 0) {
    std::fprintf(stderr, "usage: bench_replace [INSTANCES]\n");
    return 2;
  }
  QTemporaryDir home;  // the settings and history files land here
  SetHomeDir(home.path());
  SetFinalReporter([](const QString& report) { std::fprintf(stderr, "%s\n", qPrintable(report)); });
  std::printf("%6s %10s %8s %10s %12s %10s %10s\n", "dir", "instances", "MB", "seconds", "undo steps", "undo ms",
              "peak MB");
  const bool ok = Run(instances, true) && Run(instances, false);
  return ok ? 0 : 1;
}
