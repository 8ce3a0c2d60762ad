#include "Ascii.h"
#include "ExceptionUnit.h"
#include "MinMax.h"
#include "StrFcns.h"

#include <QTest>

class TestStrFcns : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void fillString_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("expected");
    QTest::newRow("three") << 3 << "xxx";
    QTest::newRow("zero") << 0 << "";
    QTest::newRow("negative") << -3 << "";
  }
  void fillString() {
    QFETCH(int, count);
    QFETCH(QString, expected);
    QCOMPARE(FillString(count, u'x'), expected);
  }

  void stripChars() {
    QCOMPARE(StripChars(">> > a b", {u' ', u'>'}), QStringLiteral("ab"));
    QCOMPARE(StripChars(">>>  ", {u' ', u'>'}), QString());
    QCOMPARE(StripChars("a b", {}), QStringLiteral("a b"));
  }

  void lastPos_data() {
    QTest::addColumn<QString>("sub");
    QTest::addColumn<QString>("s");
    QTest::addColumn<int>("expected");
    QTest::newRow("at start only") << "ab" << "abxx" << 1;
    QTest::newRow("whole string") << "abc" << "abc" << 1;
    QTest::newRow("last of several") << "a" << "abab" << 3;
    QTest::newRow("empty substring") << "" << "abc" << 0;
    QTest::newRow("longer than string") << "abcd" << "abc" << 0;
    QTest::newRow("absent") << "z" << "abc" << 0;
  }
  void lastPos() {
    QFETCH(QString, sub);
    QFETCH(QString, s);
    QFETCH(int, expected);
    QCOMPARE(LastPos(sub, s), expected);
  }

  void spaces() {
    QCOMPARE(StripTrailingSpaces("a \t  "), QStringLiteral("a \t"));
    QCOMPARE(StripTrailingSpaces("   "), QString());
    QCOMPARE(StripSurroundingSpaces("  a b  "), QStringLiteral("a b"));
    QCOMPARE(StripSurroundingSpaces("\t a "), QStringLiteral("\t a"));
  }

  void convertNonPrintables_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("keep");
    QTest::addColumn<QString>("expected");
    QTest::newRow("printable") << "a~ &" << false << "a~ &";
    QTest::newRow("tab") << "\t" << true << "<TAB>";
    QTest::newRow("code 14 numeric") << QString(QChar(14)) << false << "<#14>";
    QTest::newRow("xon xoff") << QString(QChar(17)) + QChar(19) << false << "<XON><XOFF>";
    QTest::newRow("del and high") << QString(QChar(127)) + QChar(233) << false << "<#127><#233>";
    QTest::newRow("crlf kept") << "\r\n" << true << "\r\n";
    QTest::newRow("crlf named") << "\r\n" << false << "<CR><LF>";
    QTest::newRow("nul") << QString(QChar(0)) << true << "<NUL>";
    QTest::newRow("empty") << "" << false << "";
  }
  void convertNonPrintables() {
    QFETCH(QString, input);
    QFETCH(bool, keep);
    QFETCH(QString, expected);
    QCOMPARE(ConvertNonPrintables(input, keep), expected);
  }

  void asciiTable() {
    QCOMPARE(AsciiName(0), QStringLiteral("<NUL>"));
    QCOMPARE(AsciiName(15), QStringLiteral("<#15>"));
    QCOMPARE(AsciiName(31), QStringLiteral("<US>"));
    QCOMPARE(AsciiName(32), QStringLiteral(" "));
    QCOMPARE(AsciiName(255), QStringLiteral("<#255>"));
  }

  void miscellaneous() {
    QCOMPARE(StuffAmpersands("a&b&&"), QStringLiteral("a&&b&&&&"));
    QCOMPARE(ConcatDir("/", "f.txt"), QStringLiteral("/f.txt"));
    QCOMPARE(ConcatDir("/tmp", "f.txt"), QStringLiteral("/tmp/f.txt"));
    QCOMPARE(ConcatDir("", "f.txt"), QStringLiteral("f.txt"));
    QCOMPARE(LastChar(""), QChar(u'\0'));
    QCOMPARE(LastChar("ab"), QChar(u'b'));
    SetHomeDir("/some/dir");
    QCOMPARE(HomeDirFileName("Errors.txt"), QStringLiteral("/some/dir/Errors.txt"));
    SetHomeDir({});
    QCOMPARE(HomeDirFileName("x"), QCoreApplication::applicationDirPath() + "/x");
  }

  void minMax() {
    QCOMPARE(MinMaxInt(5, 1, 10), 5);
    QCOMPARE(MinMaxInt(-5, 1, 10), 1);
    QCOMPARE(MinMaxInt(50, 1, 10), 10);
    QCOMPARE(MinMaxInt(50, 7, 7), 7);
    QCOMPARE(MinMaxFloat(2.5, 0, 2), 2.0);
    QCOMPARE(MinMaxFloat(-0.125, 0, 2), 0.0);
  }

  void minMaxCrossedBounds_data() {
    QTest::addColumn<bool>("isFloat");
    QTest::addColumn<QString>("expected");
    QTest::newRow("int") << false << "MinMaxInt\r\nMin > Max : 10 > 1\r\n";
    QTest::newRow("float") << true << "MinMaxFloat\r\nMin > Max : 2 > 0.125\r\n";
  }
  void minMaxCrossedBounds() {
    QFETCH(bool, isFloat);
    QFETCH(QString, expected);
    try {
      if (isFloat)
        MinMaxFloat(1, 2, 0.125);
      else
        MinMaxInt(5, 10, 1);
      QFAIL("no error raised");
    } catch (const TError& e) {
      QCOMPARE(e.Message(), expected);
    }
  }
};

QTEST_GUILESS_MAIN(TestStrFcns)
#include "tst_strfcns.moc"
