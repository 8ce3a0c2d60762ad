#include "SampleMessage.h"
#include "StrFcns.h"
#include "Stripping.h"
#include "TextModel.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// The operations as first described: one character or line at a time, the
// whole text searched again after every change. Slow, but plainly right;
// the linear versions must agree with them everywhere.
QString NaiveLeadingGTs(QString line) {
  for (;;) {
    const QString bare = StripChars(line, {u' '});
    if (bare.isEmpty() || bare[0] != u'>')
      return line;
    line.remove(0, 1);
  }
}

QStringList NaiveDoubleBlankLines(QStringList lines) {
  for (qsizetype i = lines.size() - 2; i >= 0; --i)
    if (BlankLine(lines[i]) && BlankLine(lines[i + 1]))
      lines.removeAt(i);
  return lines;
}

QString NaiveDoubleSpaces(QString text) {
  for (qsizetype at; (at = text.indexOf(QLatin1String("  "))) >= 0;)
    text.remove(at, 1);
  return text;
}

QString NaiveCRLFs(QString text) {
  for (qsizetype at; (at = text.indexOf(QLatin1String("\r\n"))) >= 0;) {
    text.remove(at, 2);
    const qsizetype p = at + 1;  // 1-based
    if (p > 1 && p < text.size() && text[p - 2] != u' ' && text[p - 1] != u' ')
      text.insert(at, u' ');
  }
  return text;
}

QString RandomText(QRandomGenerator& random, int maxLength) {
  static const QString alphabet = QStringLiteral(" >a\t\r\n");
  QString text;
  for (int n = random.bounded(maxLength + 1); n > 0; --n)
    text += alphabet[random.bounded(int(alphabet.size()))];
  return text;
}

QStringList RandomLines(QRandomGenerator& random) {
  static const QStringList pieces = {"", " ", "  ", "a", "\t", "> a"};
  QStringList lines;
  for (int n = random.bounded(9); n > 0; --n)
    lines << pieces[random.bounded(int(pieces.size()))];
  return lines;
}

}  // namespace

class TestStripping : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void operation_data() {
    QTest::addColumn<TStripOp>("op");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("expected");
    using L = QStringList;
    const auto gt = TStripOp::LeadingGTs;
    QTest::newRow("quote run keeps spaces after it") << gt << L{">> > facilitate"} << L{" facilitate"};
    QTest::newRow("single quote mark") << gt << L{">that"} << L{"that"};
    QTest::newRow("quote marks only") << gt << L{">> >"} << L{""};
    QTest::newRow("spaces before the quote") << gt << L{"  >x"} << L{"x"};
    QTest::newRow("spaces only") << gt << L{"   "} << L{"   "};
    QTest::newRow("tab before the quote") << gt << L{"\t>x"} << L{"\t>x"};
    QTest::newRow("quote after a letter") << gt << L{"a > b"} << L{"a > b"};

    const auto bl = TStripOp::BlankLines;
    QTest::newRow("blank lines with spaces") << bl << L{"a", "  ", "", "b", " "} << L{"a", "b"};
    QTest::newRow("tab line is not blank") << bl << L{"\t"} << L{"\t"};

    const auto dbl = TStripOp::DoubleBlankLines;
    QTest::newRow("run shrinks to its last line") << dbl << L{"", "  ", ""} << L{""};
    QTest::newRow("last line keeps its spaces") << dbl << L{"a", "", " ", "  ", "b"} << L{"a", "  ", "b"};
    QTest::newRow("single blank lines stay") << dbl << L{"", "a", " ", "b", ""} << L{"", "a", " ", "b", ""};

    QTest::newRow("leading spaces, not tabs") << TStripOp::LeadingSpaces << L{"  \tx ", "   "} << L{"\tx ", ""};
    QTest::newRow("trailing spaces and tabs") << TStripOp::TrailingSpaces << L{" x \t \t", " \t"} << L{" x", ""};

    const auto ds = TStripOp::DoubleSpaces;
    QTest::newRow("eight-space indent") << ds << L{"        indented"} << L{" indented"};
    QTest::newRow("runs inside, tabs untouched") << ds << L{"a  b   c\t\t d  "} << L{"a b c\t\t d "};

    const auto cr = TStripOp::CarriageReturns;
    QTest::newRow("blank line between words") << cr << L{"one", "", "two"} << L{"one two"};
    QTest::newRow("space before the break") << cr << L{"one ", "two"} << L{"one two"};
    QTest::newRow("indent after the break") << cr << L{"one", "  two"} << L{"one  two"};
    QTest::newRow("blank lines only") << cr << L{"", ""} << L{};
    QTest::newRow("empty scope") << cr << L{} << L{};
  }
  void operation() {
    QFETCH(TStripOp, op);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, expected);
    QCOMPARE(ApplyStripOp(op, lines), expected);
  }

  void textFunctionsAtTheirEdges() {
    // The final break of a text never gets a space, nor a break with a
    // single character after it.
    QCOMPARE(StripCRLFs("a\r\nb"), QStringLiteral("ab"));
    QCOMPARE(StripCRLFs("a\r\nbc"), QStringLiteral("a bc"));
    QCOMPARE(StripCRLFs("\r\nab\r\n"), QStringLiteral("ab"));
    // Lone breaks are not line breaks here, but deleting a CR LF can join
    // a CR and an LF into one, unless a space goes between them.
    QCOMPARE(StripCRLFs("a\rb\nc"), QStringLiteral("a\rb\nc"));
    QCOMPARE(StripCRLFs("\r\r\n\n"), QString());
    QCOMPARE(StripCRLFs("a\r\r\n\nbc"), QStringLiteral("a\r \nbc"));
    QCOMPARE(StripDoubleSpaces("  a  \r\n  b"), QStringLiteral(" a \r\n b"));
  }

  void agreesWithTheStepByStepRules() {
    QRandomGenerator random(20240611);
    for (int round = 0; round < 20000; ++round) {
      const QString text = RandomText(random, 14);
      QCOMPARE(StripCRLFs(text), NaiveCRLFs(text));
      QCOMPARE(StripDoubleSpaces(text), NaiveDoubleSpaces(text));
      const QStringList lines = RandomLines(random);
      QCOMPARE(ApplyStripOp(TStripOp::DoubleBlankLines, lines), NaiveDoubleBlankLines(lines));
      for (const QString& line : SplitLines(text))
        QCOMPARE(ApplyStripOp(TStripOp::LeadingGTs, {line}), QStringList{NaiveLeadingGTs(line)});
    }
  }

  void selectionOrder() {
    using enum TStripOp;
    QCOMPARE(SelectedStripOps({}),
             QList<TStripOp>({LeadingGTs, DoubleBlankLines, LeadingSpaces, TrailingSpaces, DoubleSpaces}));
    TStripSelection all{true, true, true, true, true, true, true, false};
    QCOMPARE(SelectedStripOps(all), QList<TStripOp>({LeadingGTs, DoubleBlankLines, BlankLines, LeadingSpaces,
                                                     TrailingSpaces, DoubleSpaces, CarriageReturns}));
    all.preserveBlankLines = true;
    QVERIFY(!SelectedStripOps(all).contains(BlankLines));
  }

  void sampleMessageWithDefaultSelection() {
    const QStringList expected = {
        "Quillsweep is a utility designed to", "facilitate the cleaning of messy email and",
        "newsgroup messages. If you've ever received", "email", "that has been forwarded from person to person",
        "numerous times, or if you've ever read a", "newsgroup message that has been chopped up by",
        "numerous responses, you're probably familiar", "with", "the unsightly (and nearly unreadable) mess",
        "that", "accumulates as words at the end of lines of", "text",
        "get pushed too far to the right and are word", "wrapped improperly.", "",
        "This program is designed to help you", "clean", "up", "the mess with just a few mouse clicks. To see",
        "how", "it works, click 'Word Wrap' (in the tool", "panel", "to",
        "the left) and then click the 'Apply' button.", "For", "detailed instructions, check out the",
        "tutorials", "in", "the online help.", ""};
    QCOMPARE(ApplyStripOps(SelectedStripOps({}), SplitLines(SampleMessage())), expected);
  }

  void preserveBlankLinesKeepsSingleBlankLines() {
    const QStringList lines = {"> a", ">", "> b", "", "  ", "c"};
    TStripSelection selection;
    selection.blankLines = true;
    selection.preserveBlankLines = true;
    QCOMPARE(ApplyStripOps(SelectedStripOps(selection), lines), QStringList({"a", "", "b", "", "c"}));
    selection.preserveBlankLines = false;
    QCOMPARE(ApplyStripOps(SelectedStripOps(selection), lines), QStringList({"a", "b", "c"}));
  }
};

QTEST_GUILESS_MAIN(TestStripping)
#include "tst_stripping.moc"
