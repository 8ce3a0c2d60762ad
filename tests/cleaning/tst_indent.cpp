#include "ExceptionUnit.h"
#include "IndentUnit.h"

#include <QTest>

class TestIndent : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void prefix_data() {
    QTest::addColumn<int>("indentWith");
    QTest::addColumn<QString>("other");
    QTest::addColumn<int>("depth");
    QTest::addColumn<bool>("pad");
    QTest::addColumn<QString>("expected");
    QTest::newRow("three quote marks padded") << int(iwGTs) << "|" << 3 << true << ">>> ";
    QTest::newRow("three quote marks bare") << int(iwGTs) << "|" << 3 << false << ">>>";
    QTest::newRow("depth 0 ignores the pad") << int(iwGTs) << "|" << 0 << true << "";
    QTest::newRow("four spaces padded is five") << int(iwSpaces) << "|" << 4 << true << "     ";
    QTest::newRow("other character") << int(iwOther) << "#x" << 2 << true << "## ";
    QTest::newRow("other left empty uses spaces") << int(iwOther) << "" << 2 << false << "  ";
    QTest::newRow("unknown code uses spaces") << 7 << "#" << 1 << false << " ";
  }
  void prefix() {
    QFETCH(int, indentWith);
    QFETCH(QString, other);
    QFETCH(int, depth);
    QFETCH(bool, pad);
    QFETCH(QString, expected);
    QCOMPARE(IndentPrefix(depth, IndentChar(indentWith, other), pad), expected);
  }

  void longestIndentStr_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("spaced marks") << "> > >" << 3;
    QTest::newRow("marks then text") << ">> > text" << 3;
    QTest::newRow("deepest of two lines") << "> > a\r\n>>>> b\r\n" << 4;
    QTest::newRow("lone LF and CR break lines too") << "> a\n>> b\r>>> c" << 3;
    QTest::newRow("beyond the scroll bar") << QString(25, u'>') + " deep" << 25;
    QTest::newRow("leading spaces") << "   >x" << 1;
    QTest::newRow("mark after text") << "a > b" << 0;
    QTest::newRow("tab before the mark") << "\t> b" << 0;
    QTest::newRow("empty") << "" << 0;
  }
  void longestIndentStr() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(LongestIndentStr(text), expected);
  }

  void depthCaption() {
    QCOMPARE(IndentDepthCaption(1), QStringLiteral("Indent depth : 1 chars"));
    QCOMPARE(IndentDepthCaption(20), QStringLiteral("Indent depth : 20 chars"));
  }

  void insertParagraph_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("newCaret");
    QTest::newRow("inside a word") << "hello world" << 8 << "hello \r\n\r\n    world" << 6;
    QTest::newRow("start of a word") << "hello world" << 6 << "hello \r\n\r\n    world" << 6;
    QTest::newRow("start of the text") << "hello world" << 0 << "\r\n\r\n    hello world" << 0;
    QTest::newRow("after a line break") << "ab\r\ncd" << 5 << "ab\r\n\r\n\r\n    cd" << 4;
  }
  void insertParagraph() {
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QString, expected);
    QFETCH(int, newCaret);
    const auto inserted = InsertParagraph(text, caret);
    QVERIFY(inserted.has_value());
    QCOMPARE(inserted->Text, expected);
    QCOMPARE(inserted->Caret, qsizetype(newCaret));
  }

  void insertParagraphAtTheEnd() {
    QVERIFY(!InsertParagraph("hello", 5).has_value());
    QVERIFY(!InsertParagraph("", 0).has_value());
    QVERIFY_THROWS_EXCEPTION(TError, InsertParagraph("hello", -1));
  }
};

QTEST_GUILESS_MAIN(TestIndent)
#include "tst_indent.moc"
