#include "SortedTokensUnit.h"

#include <QTest>

namespace {

// Lines whose first words are distinct words of two or more letters.
QStringList Prose(int count) {
  QStringList lines;
  for (int i = 0; i < count; ++i)
    lines << QStringLiteral("line%1%2 runs on here").arg(QChar(u'a' + i / 26)).arg(QChar(u'a' + i % 26));
  return lines;
}

QStringList Repeat(const QString& line, int count) {
  QStringList lines;
  for (int i = 0; i < count; ++i)
    lines << line;
  return lines;
}

// The set pattern elements as "type" or "type:text" for bulleted ones.
QString DumpPattern(const TListDetection& detection) {
  QStringList elements;
  for (int p = 0; p < PatternLength(detection.Pattern); ++p) {
    const TListPatternElement& e = detection.Pattern[size_t(p)];
    elements << (e.ListType == ltBulleted ? QStringLiteral("1:") + e.Text : QString::number(int(e.ListType)));
  }
  return elements.join(u' ');
}

QStringList Numbered(int count, const QString& after) {
  QStringList lines;
  for (int i = 1; i <= count; ++i)
    lines << QStringLiteral("%1. item%2 %3").arg(i).arg(QChar(u'a' + i)).arg(after);
  return lines;
}

}  // namespace

class TestListDetect : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void detect_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("dominant");
    QTest::newRow("three dashes") << QStringList{"- apples", "- pears", "- plums"} << "1:-" << "bulleted";
    QTest::newRow("two dashes are too few") << QStringList{"- apples", "- pears"} << "" << "invalid";
    QTest::newRow("the needs nine tenths") << QStringList{"The end", "The cat", "The dog"} + Prose(17) << ""
                                           << "invalid";
    QTest::newRow("AND in capitals too") << QStringList{"AND so", "AND then", "AND now"} + Prose(17) << ""
                                         << "invalid";
    QTest::newRow("the on every line") << Repeat("the x", 10) << "1:the 1:x" << "bulleted";
    QTest::newRow("I is a bullet, not a letter")
        << QStringList{"I think", "I went", "I saw"} + Prose(17) << "1:I" << "bulleted";
    QTest::newRow("numbered under a title") << QStringList{"Shopping list"} + Numbered(12, "") << "2 1:."
                                            << "numbered";
    QTest::newRow("lettered") << QStringList{"a) x", "b) y", "c) z"} << "3 1:) 3" << "lettered";
    QTest::newRow("letters win a tie with numbers")
        << QStringList{"1 foo", "2 bar", "a baz", "b qux", "c quux", "3 corge"} << "3" << "lettered";
    QTest::newRow("the bullet wins a tie with numbers")
        << QStringList{"10 apples", "10 pears", "10 plums"} << "1:10" << "bulleted";
    QTest::newRow("later position agreeing everywhere") << Repeat("- item", 10) << "1:- 1:item" << "bulleted";
    QTest::newRow("largest 32-bit numbers")
        << QStringList{"2147483647 apples", "2147483646 pears", "2147483645 plums"} << "2" << "numbered";
    QTest::newRow("ten digits beyond 32 bits")
        << QStringList{"3000000000 apples", "3000000001 pears", "3000000002 plums"} << "" << "invalid";
    QTest::newRow("three of forty") << Numbered(3, "") + Prose(37) << "" << "invalid";
    QTest::newRow("three of thirty is exactly a tenth") << Numbered(3, "") + Prose(27) << "" << "invalid";
    QTest::newRow("three of twenty-nine") << Numbered(3, "") + Prose(26) << "2 1:." << "numbered";
    QTest::newRow("nine of ten later is not enough")
        << Repeat("- foo", 9) + QStringList{"- bar"} << "1:-" << "bulleted";
    QTest::newRow("ten of eleven later is enough")
        << Repeat("- foo", 10) + QStringList{"- bar"} << "1:- 1:foo" << "bulleted";
    QTest::newRow("five positions") << QStringList{"[ 1 ] a x", "[ 2 ] b x", "[ 3 ] c x", "[ 4 ] d x"}
                                    << "1:[ 2 1:] 3 1:x" << "lettered";
    QTest::newRow("equal numbers make a bullet") << Repeat("[ 1 ] a", 4) << "1:[ 1:1 1:] 1:a" << "bulleted";
    QTest::newRow("blank lines count as lines") << QStringList{"- a1", "- b2", "- c3"} + Repeat("", 27) << ""
                                                << "invalid";
    QTest::newRow("no lines") << QStringList() << "" << "invalid";
  }
  void detect() {
    QFETCH(QStringList, lines);
    QFETCH(QString, pattern);
    QFETCH(QString, dominant);
    const TListDetection detection = DetectList(lines);
    QCOMPARE(DumpPattern(detection), pattern);
    QCOMPARE(detection.Detected, !pattern.isEmpty());
    QCOMPARE(DominantListTypeStr(detection.Dominant), dominant);
  }

  void dominantListTypeStr() {
    QCOMPARE(DominantListTypeStr(1), QStringLiteral("bulleted"));
    QCOMPARE(DominantListTypeStr(2), QStringLiteral("numbered"));
    QCOMPARE(DominantListTypeStr(3), QStringLiteral("lettered"));
    QCOMPARE(DominantListTypeStr(0), QStringLiteral("invalid"));
    QCOMPARE(DominantListTypeStr(6), QStringLiteral("invalid"));
  }

  void int32Texts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("number");
    QTest::newRow("largest") << "2147483647" << true;
    QTest::newRow("one more") << "2147483648" << false;
    QTest::newRow("leading zeros") << "0000000000007" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("letters") << "12a" << false;
  }
  void int32Texts() {
    QFETCH(QString, text);
    QFETCH(bool, number);
    QCOMPARE(IsInt32Text(text), number);
  }

  // Equal texts ignoring case: the later entry goes first, so case variants
  // interleave and break each other's runs.
  void caseVariantsBreakRuns() {
    TSortedTokens sorted;
    const QStringList texts = {"The", "the", "The", "apple", "zoo"};
    for (int i = 0; i < texts.size(); ++i)
      sorted.Add(texts[i], TTokenInfo{i, 1, tkWord, true});
    QCOMPARE(sorted.Text(0), QStringLiteral("apple"));
    QCOMPARE(sorted.GetInfoAtIndex(1)->Line, 2);
    QCOMPARE(sorted.GetInfoAtIndex(2)->Line, 1);
    QCOMPARE(sorted.GetInfoAtIndex(3)->Line, 0);
    QVERIFY(!sorted.GetInfoAtIndex(5).has_value());
    QVERIFY(!sorted.GetInfoAtIndex(-1).has_value());
    sorted.Evaluate(nullptr);
    QCOMPARE(sorted.BulletCount(), 1);
    QCOMPARE(sorted.ListType(), ltNone);
  }

  void addingAfterReadingKeepsTheOrder() {
    TSortedTokens sorted;
    sorted.Add(u"b", TTokenInfo{0, 1, tkLetter, true});
    sorted.Add(u"a", TTokenInfo{1, 1, tkLetter, true});
    QCOMPARE(sorted.Text(0), QStringLiteral("a"));
    sorted.Add(u"A", TTokenInfo{2, 1, tkLetter, true});
    sorted.Add(u"c", TTokenInfo{3, 1, tkLetter, true});
    QStringList order;
    for (int i = 0; i < sorted.Count(); ++i)
      order << sorted.Text(i);
    QCOMPARE(order, QStringList({"A", "a", "b", "c"}));
    QCOMPARE(sorted.LineNumberIndex(3), 3);
    QCOMPARE(sorted.LineNumberIndex(7), -1);
  }

  // Empty tokens (lines with fewer tokens) do not join or break a run.
  void emptyTextsAreSkippedInRuns() {
    TSortedTokens sorted;
    const QStringList texts = {"x", "", "x", "", "x", "y"};
    for (int i = 0; i < texts.size(); ++i)
      sorted.Add(texts[i], TTokenInfo{i, 2, texts[i].isEmpty() ? tkOther : tkLetter, true});
    sorted.Evaluate(nullptr);
    QCOMPARE(sorted.Bullet(), QStringLiteral("x"));
    QCOMPARE(sorted.BulletCount(), 3);
    QCOMPARE(sorted.LetterCount(), 4);
    QCOMPARE(sorted.ListType(), ltLettered);
    QVERIFY(sorted.LineInPattern(5));
    QVERIFY(!sorted.LineInPattern(1));
    QVERIFY(!sorted.LineInPattern(42));
  }

  void laterPositionKeepsOnlyMatchedLines() {
    TSortedTokens first, second;
    const QStringList starts = {"-", "-", "*", "-"};
    const QStringList seconds = {"a", "b", "c", "d"};
    for (int i = 0; i < starts.size(); ++i) {
      first.Add(starts[i], TTokenInfo{i, 1, tkOther, true});
      second.Add(seconds[i], TTokenInfo{i, 2, tkLetter, true});
    }
    first.Evaluate(nullptr);
    QCOMPARE(first.ListType(), ltBulleted);
    second.Evaluate(&first);
    QCOMPARE(second.Count(), 3);
    QCOMPARE(second.LineNumberIndex(2), -1);
    QCOMPARE(second.ListType(), ltLettered);
  }
};

QTEST_GUILESS_MAIN(TestListDetect)
#include "tst_listdetect.moc"
