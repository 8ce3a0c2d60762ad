#include "TextModel.h"

#include <QTest>

class TestTextModel : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void lineView_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty text, no lines") << "" << QStringList();
    QTest::newRow("final CR LF adds no line") << "a\r\n" << QStringList{"a"};
    QTest::newRow("blank last line kept") << "a\r\n\r\n" << QStringList{"a", ""};
    QTest::newRow("no final break") << "a\r\nb" << QStringList{"a", "b"};
    QTest::newRow("lone CR and lone LF") << "a\rb\nc" << QStringList{"a", "b", "c"};
    QTest::newRow("LF CR is two breaks") << "a\n\rb" << QStringList{"a", "", "b"};
    QTest::newRow("NUL ends the text") << QString("a\r\nb") + QChar(0) + "c\r\nd" << QStringList{"a", "b"};
    QTest::newRow("NUL at start") << QString(QChar(0)) + "abc" << QStringList();
    QTest::newRow("only a break") << "\r\n" << QStringList{""};
  }
  void lineView() {
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(SplitLines(text), lines);
  }

  void joinPutsCrLfAfterEveryLine() {
    QCOMPARE(JoinLines({"a", "", "b"}), QStringLiteral("a\r\n\r\nb\r\n"));
    QCOMPARE(JoinLines({}), QString());
    QCOMPARE(JoinLines(SplitLines(u"x\ny\r")), QStringLiteral("x\r\ny\r\n"));
  }
};

QTEST_GUILESS_MAIN(TestTextModel)
#include "tst_textmodel.moc"
