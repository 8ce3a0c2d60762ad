// The filter end to end: the built program on standard input and on files.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct TRun {
  int status = -1;
  QByteArray out;
  QByteArray err;
};

TRun Run(const QStringList& arguments, const QByteArray& input = {}) {
  QProcess process;
  process.start(QStringLiteral(QS_QUILLSWEEP), arguments);
  if (!process.waitForStarted())
    qFatal("quillsweep did not start");
  process.write(input);
  process.closeWriteChannel();
  process.waitForFinished(60000);
  TRun run;
  run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = process.readAllStandardOutput();
  run.err = process.readAllStandardError();
  return run;
}

QByteArray Fixture(const char* name) {
  QFile file(QStringLiteral(QS_FIXTURES "/") + QString::fromLatin1(name));
  if (!file.open(QIODevice::ReadOnly))
    qFatal("missing fixture %s", name);
  return file.readAll();
}

const QByteArray List = "Take along:\n1. passport and the printed tickets\n2. charger\n10. maps\n";

}  // namespace

class TestQuillsweep : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void operations_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("wrap") << QStringList{"--wrap=20"} << QByteArray("hello world, hello\nworld again\n")
                          << QByteArray("hello world, hello \nworld again \n");
    QTest::newRow("wrap takes a separate value") << QStringList{"--wrap", "20"}
                                                 << QByteArray("hello world, hello\nworld again\n")
                                                 << QByteArray("hello world, hello \nworld again \n");
    QTest::newRow("strip alone") << QStringList{"--strip=gt,ts"} << QByteArray("> > a  b  \n\n\n>c\n")
                                 << QByteArray(" a  b\n\n\nc\n");
    QTest::newRow("strip runs in its own order") << QStringList{"--strip=bl,dbl"} << QByteArray("a\n \n\nb\n")
                                                 << QByteArray("a\nb\n");
    QTest::newRow("preserved blank lines survive blank-line stripping")
        << QStringList{"--strip=bl", "--preserve-blank-lines"} << QByteArray("a\n\nb\n") << QByteArray("a\n\nb\n");
    QTest::newRow("no stripping unless asked") << QStringList{"--wrap=20"} << QByteArray(">a  \n")
                                               << QByteArray(">a  \n");
    QTest::newRow("carriage returns") << QStringList{"--strip=cr"} << QByteArray("one\n\ntwo\n")
                                      << QByteArray("one two\n");
    QTest::newRow("indent with defaults") << QStringList{"--indent=gt", "--depth=3"} << QByteArray("hello world\n")
                                          << QByteArray("\n>>> hello world \n");
    QTest::newRow("indent without pad or blank line")
        << QStringList{"--indent=#", "--depth=2", "--no-pad", "--no-blank-line"} << QByteArray("hello world\n")
        << QByteArray("##hello world \n");
    QTest::newRow("indent width") << QStringList{"--indent=space", "--wrap=20", "--no-blank-line"}
                                  << QByteArray("aaaa bbbb cccc dddd eeee\n")
                                  << QByteArray("  aaaa bbbb cccc \n  dddd eeee \n");
    QTest::newRow("indent paragraphs") << QStringList{"--wrap=20", "--indent-paragraphs", "--preserve-blank-lines"}
                                       << QByteArray("one\n\n\n\ntwo\n") << QByteArray("    one \n    \n    two \n");
    QTest::newRow("list answered no by default") << QStringList{"--wrap=20"} << List
                                                 << QByteArray("Take along: 1. \npassport and the \nprinted tickets 2. \n"
                                                               "charger 10. maps \n");
    QTest::newRow("list answered yes")
        << QStringList{"--wrap=20", "--list=yes"} << List
        << QByteArray("Take along: \n\n1.  passport and \n    the printed \n    tickets \n\n2.  charger \n\n10. maps \n");
    QTest::newRow("list with its own indent and no blank lines")
        << QStringList{"--wrap=20", "--list=yes", "--list-indent=2", "--no-list-blank-line"} << List
        << QByteArray("Take along: \n1.  passport and \n  the printed \n  tickets \n2.  charger \n10. maps \n");
    QTest::newRow("nothing to do but the line view") << QStringList() << QByteArray("a\r\nb") << QByteArray("a\r\nb\r\n");
    QTest::newRow("empty input") << QStringList{"--wrap=65"} << QByteArray() << QByteArray();
    QTest::newRow("standard input named -") << QStringList{"--wrap=20", "-"} << QByteArray("a  b\n")
                                            << QByteArray("a b \n");
  }
  void operations() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);
    const TRun run = Run(arguments, input);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, expected);
  }

  void quotedMessageFromAFile() {
    const TRun run = Run({"--strip=gt,dbl,ls,ts,ds", "--wrap=30", "--preserve-blank-lines",
                          QStringLiteral(QS_FIXTURES "/quoted.txt")});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, Fixture("quoted.expected"));
  }

  void lineEnds_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("CR LF as the first break") << QStringList() << QByteArray("a\r\nb\nc") << QByteArray("a\r\nb\r\nc\r\n");
    QTest::newRow("LF as the first break") << QStringList() << QByteArray("a\nb\r\nc") << QByteArray("a\nb\nc\n");
    QTest::newRow("lone CR as the first break") << QStringList() << QByteArray("a\rb\r\n") << QByteArray("a\rb\r");
    QTest::newRow("no break at all") << QStringList() << QByteArray("a") << QByteArray("a\n");
    QTest::newRow("forced CR LF") << QStringList{"--crlf"} << QByteArray("a\nb\n") << QByteArray("a\r\nb\r\n");
    QTest::newRow("forced LF") << QStringList{"--lf"} << QByteArray("a\r\nb\r\n") << QByteArray("a\nb\n");
  }
  void lineEnds() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);
    const TRun run = Run(arguments, input);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, expected);
  }

  void encodings_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("Latin-1 stays Latin-1") << QStringList{"--wrap=20"} << QByteArray("caf\xe9  cr\xe8me\r\nbr\xfbl\xe9""e\r\n")
                                           << QByteArray("caf\xe9 cr\xe8me br\xfbl\xe9""e \r\n");
    QTest::newRow("UTF-8 stays UTF-8") << QStringList{"--wrap=20"} << QByteArray("caf\xc3\xa9  cr\xc3\xa8me\n")
                                       << QByteArray("caf\xc3\xa9 cr\xc3\xa8me \n");
    QTest::newRow("Latin-1 unchanged byte for byte") << QStringList() << QByteArray("\xa0\xff\xe9\r\n\xd7\r\n")
                                                     << QByteArray("\xa0\xff\xe9\r\n\xd7\r\n");
    QTest::newRow("Latin-1 gaining a character it cannot hold")
        << QStringList{"--indent=\u20ac", "--no-blank-line"} << QByteArray("caf\xe9\n")
        << QByteArray("\xe2\x82\xac caf\xc3\xa9 \n");
  }
  void encodings() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);
    const TRun run = Run(arguments, input);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, expected);
  }

  void nulEndsTheTextWithAWarning() {
    const TRun run = Run({"--wrap=20"}, QByteArray("a b\nc\0d e\n", 10));
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, QByteArray("a b c \n"));
    QVERIFY(run.err.contains("NUL"));
  }

  void badArguments_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("named");
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << "frobnicate";
    QTest::newRow("width too small") << QStringList{"--wrap=19"} << "--wrap";
    QTest::newRow("width too large") << QStringList{"--wrap=101"} << "--wrap";
    QTest::newRow("width not a number") << QStringList{"--wrap=wide"} << "--wrap";
    QTest::newRow("width missing") << QStringList{"--wrap"} << "--wrap";
    QTest::newRow("unknown stripping code") << QStringList{"--strip=gt,tabs"} << "--strip";
    QTest::newRow("empty stripping list") << QStringList{"--strip="} << "--strip";
    QTest::newRow("two indent characters") << QStringList{"--indent=ab"} << "--indent";
    QTest::newRow("depth too large") << QStringList{"--indent=gt", "--depth=21"} << "--depth";
    QTest::newRow("list neither yes nor no") << QStringList{"--list=maybe"} << "--list";
    QTest::newRow("list indent too large") << QStringList{"--list=yes", "--list-indent=21"} << "--list-indent";
    QTest::newRow("both line ends") << QStringList{"--crlf", "--lf"} << "--lf";
    QTest::newRow("flag with a value") << QStringList{"--lf=yes"} << "--lf";
    QTest::newRow("two files") << QStringList{"a.txt", "b.txt"} << "b.txt";
  }
  void badArguments() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, named);
    const TRun run = Run(arguments, "text\n");
    QCOMPARE(run.status, 2);
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY2(run.err.contains(named.toUtf8()), run.err.constData());
  }

  void unreadableFiles() {
    QTemporaryDir dir;
    const QString missing = dir.filePath("missing.txt");
    for (const QString& path : {missing, dir.path()}) {
      const TRun run = Run({"--wrap=65", path});
      QCOMPARE(run.status, 1);
      QCOMPARE(run.out, QByteArray());
      QVERIFY2(run.err.contains(path.toUtf8()), run.err.constData());
    }
  }

  void helpAndVersion() {
    const TRun help = Run({"--help"});
    QCOMPARE(help.status, 0);
    QVERIFY(help.out.startsWith("Usage: quillsweep"));
    QVERIFY(help.out.contains("--list-indent=H"));
    const TRun version = Run({"--version"});
    QCOMPARE(version.status, 0);
    QCOMPARE(version.out, QByteArray("quillsweep 2.06\n"));
  }
};

QTEST_GUILESS_MAIN(TestQuillsweep)
#include "tst_quillsweep.moc"
