#include "SingleInstance.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Another process holds the lock through flock(1), the same kernel lock.
class TestSingleInstance : public QObject {
  Q_OBJECT

  QTemporaryDir dir;
  QString LockPath() const { return dir.filePath("QuillsweepSemaphore"); }

  void HoldLockFor(QProcess& holder, double seconds) {
    holder.start("flock", {"-o", LockPath(), "sleep", QString::number(seconds)});
    QVERIFY(holder.waitForStarted());
    QTest::qWait(200);  // let it take the lock
  }

private Q_SLOTS:
  void firstCopyGetsTheLock() {
    TSingleInstanceLock lock;
    QVERIFY(lock.Acquire(LockPath()));
  }

  void refusedWhileAnotherCopyRuns() {
    QProcess holder;
    HoldLockFor(holder, 5);
    QElapsedTimer waited;
    waited.start();
    TSingleInstanceLock lock;
    QVERIFY(!lock.Acquire(LockPath()));
    QVERIFY2(waited.elapsed() >= 1000, "a running copy must be given one second to close");
    holder.kill();
    holder.waitForFinished();
  }

  void copyClosingWithinOneSecondDoesNotBlock() {
    QProcess holder;
    HoldLockFor(holder, 0.6);
    TSingleInstanceLock lock;
    QVERIFY(lock.Acquire(LockPath()));
    holder.waitForFinished();
  }

  void lockIsReleasedWithItsOwner() {
    {
      TSingleInstanceLock lock;
      QVERIFY(lock.Acquire(LockPath()));
    }
    QProcess other;
    other.start("flock", {"--nonblock", LockPath(), "true"});
    QVERIFY(other.waitForFinished());
    QCOMPARE(other.exitCode(), 0);
  }

#ifdef QS_EDITOR
  // The real program: a second copy says so and creates no window.
  void secondEditorIsRefused() {
    QTemporaryDir home;
    QVERIFY(QFile::copy(QS_EDITOR, home.filePath("Quillsweep.exe")));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TMPDIR", home.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess first, second;
    for (QProcess* p : {&first, &second}) {
      p->setProcessEnvironment(env);
      p->setWorkingDirectory(home.path());
    }
    first.start(home.filePath("Quillsweep.exe"));
    QVERIFY(first.waitForStarted());
    QTest::qWait(1000);
    second.start(home.filePath("Quillsweep.exe"));
    QVERIFY(second.waitForStarted());
    QByteArray said;
    QTRY_VERIFY_WITH_TIMEOUT((said += second.readAllStandardError()).contains("Quillsweep is already running"), 5000);
    QCOMPARE(first.state(), QProcess::Running);
    second.kill();
    first.kill();
    second.waitForFinished();
    first.waitForFinished();
  }
#endif
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
