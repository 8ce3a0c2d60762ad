// Times "All selected items" with the default check boxes on one file:
// decoding the file's bytes, splitting, stripping and joining. Prints one
// row: megabytes, seconds, megabytes per second, and the processor seconds,
// which other work on a busy machine disturbs less than the clock's.
#include "ExceptionUnit.h"
#include "Stripping.h"
#include "TextFile.h"
#include "TextModel.h"

#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <ctime>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: bench_clean FILE\n");
    return 2;
  }
  return Guard(TContextName("bench_clean.", "main"), Mode::Final, [&] {
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly))
      RaiseMessage("Unable to open " + file.fileName() + ": " + file.errorString());
    const QByteArray bytes = file.readAll();

    QElapsedTimer timer;
    timer.start();
    const std::clock_t cpuStart = std::clock();
    const TTextFile text = DecodeText(bytes);
    const QString cleaned = JoinLines(ApplyStripOps(SelectedStripOps({}), SplitLines(text.text)));
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const double cpuSeconds = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;

    const double megabytes = double(bytes.size()) / 1e6;
    std::printf("%8.1f %10.3f %10.1f %10.3f %12lld\n", megabytes, seconds, megabytes / seconds, cpuSeconds,
                static_cast<long long>(cleaned.size()));
    return true;
  }) ? 0 : 1;  // a failure is reported where it stops and returns false
}
