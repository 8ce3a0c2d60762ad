#include "ExceptionUnit.h"
#include "StrFcns.h"
#include "SysErrLogLines.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

const QString Indent(20, u' ');
const QString Unknown = QStringLiteral("?\?/?\?/?\?\?\? ?\?:?\?:?\? ");  // no trigraphs

QString Stamp(int second) { return QStringLiteral("01/02/2026 10:00:%1 ").arg(second, 2, 10, QChar(u'0')); }

QByteArray ReadFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// Read-only directories stop neither root nor Windows from writing.
bool DirPermissionsBind() {
#ifdef Q_OS_UNIX
  return geteuid() != 0;
#else
  return false;
#endif
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

}  // namespace

class TestSysErrLog : public QObject {
  Q_OBJECT

  QTemporaryDir home;

private Q_SLOTS:
  void init() {
    QVERIFY(home.isValid());
    QFile::remove(home.filePath("Errors.txt"));
    SetHomeDir(home.path());
  }

  void timeStamp_data() {
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");
    const QDateTime when(QDate(2026, 3, 7), QTime(9, 5, 2));
    QTest::newRow("US separators") << when << QLocale(QLocale::English, QLocale::UnitedStates) << "03/07/2026 09:05:02 ";
    QTest::newRow("German date separator") << when << QLocale(QLocale::German, QLocale::Germany) << "03.07.2026 09:05:02 ";
    QTest::newRow("midnight, early year") << QDateTime(QDate(987, 12, 31), QTime(0, 0, 0))
                                          << QLocale(QLocale::English, QLocale::UnitedStates) << "12/31/0987 00:00:00 ";
    QTest::newRow("invalid date") << QDateTime() << QLocale::c() << Unknown;
    QTest::newRow("five-digit year") << QDateTime(QDate(12345, 1, 1), QTime(1, 2, 3)) << QLocale::c()
                                     << Unknown;
  }
  void timeStamp() {
    QFETCH(QDateTime, when);
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    QCOMPARE(TimeStamp(when, locale), expected);
    QCOMPARE(CurrentTimeStamp().size(), 20);
  }

  void entryShape_data() {
    QTest::addColumn<QString>("report");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("three lines and the end line")
        << "TMainWindow.RGTButtonClick\r\nStrFcns.StripChars\r\nAccess violation\r\n"
        << QStringList{Stamp(1) + "TMainWindow.RGTButtonClick", Indent + "StrFcns.StripChars",
                       Indent + "Access violation", ""};
    QTest::newRow("empty middle line is 20 spaces")
        << "A.B\r\n\r\nlast"
        << QStringList{Stamp(1) + "A.B", Indent, Indent + "last", ""};
    QTest::newRow("blank last line, no end line")
        << "A.B\r\n   \r\n" << QStringList{Stamp(1) + "A.B", Indent + "   "};
    QTest::newRow("tab kept as is") << "A.B\r\na\tb" << QStringList{Stamp(1) + "A.B", Indent + "a\tb", ""};
  }
  void entryShape() {
    QFETCH(QString, report);
    QFETCH(QStringList, expected);
    TSysErrLogLines log;
    log.Add(Stamp(1) + report);
    QCOMPARE(log.Lines(), expected);
  }

  // Each row adds its reports (stamped 1, 2, 3, ...) to an empty log.
  void repeats_data() {
    QTest::addColumn<QStringList>("reports");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("identical failure moves to the end with the newest stamp")
        << QStringList{"A.Click\r\nboom", "B.Click\r\nother", "A.Click\r\nboom"}
        << QStringList{Stamp(2) + "B.Click", Indent + "other", "", Stamp(3) + "A.Click", Indent + "boom", ""};
    QTest::newRow("different context name stays")
        << QStringList{"A.Click\r\nboom", "A.Other\r\nboom"}
        << QStringList{Stamp(1) + "A.Click", Indent + "boom", "", Stamp(2) + "A.Other", Indent + "boom", ""};
    QTest::newRow("different message line stays")
        << QStringList{"A.Click\r\nboom", "A.Click\r\nbang"}
        << QStringList{Stamp(1) + "A.Click", Indent + "boom", "", Stamp(2) + "A.Click", Indent + "bang", ""};
    QTest::newRow("longer report with same start stays")
        << QStringList{"A.Click\r\nboom", "A.Click\r\nboom\r\nmore"}
        << QStringList{Stamp(1) + "A.Click", Indent + "boom", "", Stamp(2) + "A.Click", Indent + "boom",
                       Indent + "more", ""};
    QTest::newRow("empty middle line ends the comparison")
        << QStringList{"A.Click\r\n\r\ndetail one", "A.Click\r\n\r\ndetail two"}
        << QStringList{Stamp(2) + "A.Click", Indent, Indent + "detail two", ""};
    QTest::newRow("shorter repeat takes the whole older entry out")
        << QStringList{"A.Click\r\n\r\none\r\ntwo", "B.Click\r\nx", "A.Click\r\n\r\nthree"}
        << QStringList{Stamp(2) + "B.Click", Indent + "x", "", Stamp(3) + "A.Click", Indent, Indent + "three", ""};
    QTest::newRow("longer repeat leaves the next entry whole")
        << QStringList{"A.Click\r\n\r\none", "B.Click\r\nx", "A.Click\r\n\r\ntwo\r\nthree"}
        << QStringList{Stamp(2) + "B.Click", Indent + "x", "", Stamp(3) + "A.Click", Indent, Indent + "two",
                       Indent + "three", ""};
    QTest::newRow("report matching the middle of an older one")
        << QStringList{"W.ApplyClick\r\nW.RDBLClick\r\nboom", "W.RDBLClick\r\nboom"}
        << QStringList{Stamp(1) + "W.ApplyClick", Indent + "W.RDBLClick", Indent + "boom", "",
                       Stamp(2) + "W.RDBLClick", Indent + "boom", ""};
    QTest::newRow("empty reports collapse")
        << QStringList{"", "A.Click\r\nboom", ""}
        << QStringList{Stamp(2) + "A.Click", Indent + "boom", "", Stamp(3), ""};
  }
  void repeats() {
    QFETCH(QStringList, reports);
    QFETCH(QStringList, expected);
    TSysErrLogLines log;
    for (int i = 0; i < reports.size(); ++i)
      log.Add(Stamp(i + 1) + reports[i]);
    QCOMPARE(log.Lines(), expected);
  }

  void capAt250Lines() {
    TSysErrLogLines log;
    for (int i = 0; i < 125; ++i)
      log.Add(Stamp(0) + QStringLiteral("Entry %1").arg(i));
    QCOMPARE(log.Lines().size(), 250);
    const QStringList before = log.Lines();
    log.Add(Stamp(1) + "A.Click\r\nB.Run\r\nboom");
    QCOMPARE(log.Lines().size(), 250);
    QCOMPARE(log.Lines().mid(0, 246), before.mid(4));
    QCOMPARE(log.Lines().mid(246), QStringList({Stamp(1) + "A.Click", Indent + "B.Run", Indent + "boom", ""}));
  }

  void longerLoadedLogKeepsItsLength() {
    QByteArray bytes;
    for (int i = 0; i < 300; ++i)
      bytes += QStringLiteral("%1Line %2\r\n").arg(Stamp(0)).arg(i).toUtf8();
    WriteFile(HomeDirFileName("Errors.txt"), bytes);
    TSysErrLogLines log;
    log.Init();
    QCOMPARE(log.Lines().size(), 300);
    log.Add(Stamp(1) + "A.Click");
    QCOMPARE(log.Lines().size(), 300);
    QCOMPARE(log.Lines().first(), Stamp(0) + "Line 2");
    log.Add(Stamp(2) + "A.Click");  // a repeat neither grows nor shrinks it
    QCOMPARE(log.Lines().size(), 300);
    QCOMPARE(log.Lines().first(), Stamp(0) + "Line 2");
  }

  void failureInsideAddLeavesItBusy() {
    TSysErrLogLines log;
    bool fail = true;
    log.SetChangedHandler([&] {
      if (fail)
        RaiseMessage("view gone");
    });
    try {
      log.Add(Stamp(1) + "A.Click\r\nboom");
      QFAIL("not raised");
    } catch (const TError& e) {
      QVERIFY2(e.Message().startsWith("TSysErrorLog.Add\r\n"), qPrintable(e.Message()));
      QVERIFY(e.Message().contains("view gone"));
    }
    QVERIFY(log.Busy());
    fail = false;
    const QStringList after = log.Lines();
    log.Add(Stamp(2) + "Other.Click\r\nbang");
    QCOMPARE(log.Lines(), after);
  }

  void savesWholeLogAndLoadsItBack() {
    TSysErrLogLines log;
    log.Add(Stamp(1) + "A.Click\r\nna\u00efve \u20ac");
    QCOMPARE(log.FileName(), QDir::toNativeSeparators(home.filePath("Errors.txt")));
    QCOMPARE(ReadFile(log.FileName()),
             (Stamp(1) + "A.Click\r\n" + Indent + "na\u00efve \u20ac\r\n\r\n").toUtf8());
    TSysErrLogLines again;
    again.Init();
    QCOMPARE(again.Lines(), log.Lines());
    QVERIFY(!again.Loading());
    again.Clear();
    QVERIFY(again.Lines().isEmpty());
    QCOMPARE(ReadFile(log.FileName()), QByteArray());
  }

  void loadAcceptsAnyLineBreak() {
    WriteFile(HomeDirFileName("Errors.txt"), "one\ntwo\rthree\r\nfour");
    TSysErrLogLines log;
    int changes = 0;
    log.SetChangedHandler([&] { ++changes; });
    log.Init();
    QCOMPARE(log.Lines(), QStringList({"one", "two", "three", "four"}));
    QCOMPARE(changes, 1);
    QCOMPARE(ReadFile(log.FileName()), QByteArray("one\ntwo\rthree\r\nfour"));  // loading saves nothing
  }

  void saveFailure_data() {
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("missing directory") << false;
    QTest::newRow("read-only directory") << true;
  }
  void saveFailure() {
    QFETCH(bool, readOnly);
    const QString dir = home.filePath(readOnly ? "locked" : "missing");
    if (readOnly) {
      if (!DirPermissionsBind())
        QSKIP("directory permissions do not bind here");
      QVERIFY(QDir().mkpath(dir));
      QVERIFY(QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner));
    }
    SetHomeDir(dir);
    TSysErrLogLines log;
    QStringList shown;
    log.SetSaveFailedHandler([&](const QString& message) { shown << message; });
    log.Add(Stamp(1) + "A.Click\r\nboom");
    QCOMPARE(shown, QStringList({"Error writing to " + QDir::toNativeSeparators(dir + "/Errors.txt") +
                                 "\rSome other program has claimed exclusive access to this file."}));
    QCOMPARE(log.Lines().size(), 3);
    QVERIFY(!log.Busy());
    if (readOnly)
      QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }

  void unreadableFileStopsSavingForTheRun() {
    QVERIFY(QDir(home.path()).mkdir("Errors.txt"));  // exists, cannot be read as a file
    TSysErrLogLines log;
    QStringList shown;
    log.SetSaveFailedHandler([&](const QString& message) { shown << message; });
    try {
      log.Init();
      QFAIL("not raised");
    } catch (const TError& e) {
      QVERIFY2(e.Message().startsWith("TSysErrorLog.Init\r\n"), qPrintable(e.Message()));
    }
    QVERIFY(log.Loading());
    log.Add(Stamp(1) + "A.Click");
    QCOMPARE(log.Lines().size(), 2);
    QVERIFY(shown.isEmpty());
    QVERIFY(QDir(home.path()).rmdir("Errors.txt"));
  }
};

QTEST_GUILESS_MAIN(TestSysErrLog)
#include "tst_syserrlog.moc"
