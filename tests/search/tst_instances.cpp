#include "InstancesUnit.h"
#include "ReplaceChain.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// The list as one eager scan collects it, written as plainly as possible to
// check the lazy, edit-following list against.
QList<int> Reference(const QString& text, const QString& search, bool caseSensitive, bool wholeWords) {
  const auto fold = [caseSensitive](QChar c) {
    return !caseSensitive && c >= u'a' && c <= u'z' ? QChar(c.unicode() - 32) : c;
  };
  const auto word = [](QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
  };
  QList<int> result;
  const qsizetype n = text.size(), m = search.size();
  for (qsizetype p = 0; m > 0 && p + m <= n;) {
    qsizetype j = 0;
    while (j < m && fold(text[p + j]) == fold(search[j]))
      ++j;
    if (j < m) {
      ++p;
      continue;
    }
    if (!wholeWords || ((p == 0 || !word(text[p - 1])) && (p + m == n || !word(text[p + m]))))
      result.append(int(p));
    p += m;
  }
  return result;
}

QList<int> AllOf(TInstances& instances) {
  QList<int> all;
  for (int i = 0; i < instances.Count(); ++i)
    all.append(instances.GetOffset(i));
  return all;
}

}  // namespace

class TestInstances : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void matchingRules_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("search");
    QTest::addColumn<bool>("caseSensitive");
    QTest::addColumn<bool>("wholeWords");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("whole words: neither half of abab") << "abab" << "ab" << false << true << QList<int>{};
    QTest::newRow("whole words: cat, not concat or cat_x")
        << "cat concat cat_x cat" << "cat" << false << true << QList<int>{0, 17};
    QTest::newRow("occurrences never overlap") << "aaa" << "aa" << false << false << QList<int>{0};
    QTest::newRow("a rejected occurrence hides one that overlaps it")
        << "xa a a" << "a a" << false << true << QList<int>{};
    QTest::newRow("ASCII letters fold") << "xABCx" << "abc" << false << false << QList<int>{1};
    QTest::newRow("case sensitive") << "abc ABC" << "ABC" << true << false << QList<int>{4};
    QTest::newRow("letters above 127 never fold") << QString("\u00E9 \u00C9") << QString("\u00C9") << false << false
                                                  << QList<int>{2};
    QTest::newRow("a letter above 127 is a word boundary")
        << QString("caf\u00E9 bar") << "caf" << false << true << QList<int>{0};
    QTest::newRow("CR LF counts as two") << "a\r\nb a" << "a" << false << true << QList<int>{0, 5};
    QTest::newRow("empty search text") << "abc" << "" << false << false << QList<int>{};
    QTest::newRow("longer than the text") << "ab" << "abc" << false << false << QList<int>{};
  }
  void matchingRules() {
    QFETCH(QString, text);
    QFETCH(QString, search);
    QFETCH(bool, caseSensitive);
    QFETCH(bool, wholeWords);
    QFETCH(QList<int>, expected);
    TInstances instances;
    instances.Init(text, search, caseSensitive, wholeWords);
    QCOMPARE(AllOf(instances), expected);
    QCOMPARE(Reference(text, search, caseSensitive, wholeWords), expected);
  }

  void nextAndPrevious() {
    TInstances instances;
    instances.Init("one two one two", "two", false, false);
    QCOMPARE(instances.NextInstance(0), 4);
    QCOMPARE(instances.NextInstance(4), 4);  // an instance at the offset counts
    QCOMPARE(instances.NextInstance(5), 12);
    QCOMPARE(instances.NextInstance(13), -1);
    QCOMPARE(instances.PrevInstance(12), 4);  // it must start before the offset
    QCOMPARE(instances.PrevInstance(15), 12);
    QCOMPARE(instances.PrevInstance(4), -1);
  }

  void listOperations() {
    TInstances instances;
    instances.Init("ab ab", "ab", true, false);
    QCOMPARE(instances.Count(), 2);
    instances.AddOffset(9);
    QCOMPARE(AllOf(instances), QList<int>({0, 3, 9}));
    QVERIFY_THROWS_EXCEPTION(std::exception, instances.AddOffset(10));  // would overlap 9
    QVERIFY_THROWS_EXCEPTION(std::exception, instances.GetOffset(3));
    QVERIFY_THROWS_EXCEPTION(std::exception, instances.TextReplaced(4, 2, "x"));
    QCOMPARE(instances.Text(), QStringLiteral("ab ab"));
  }

  // Edits anywhere, queries anywhere, in any order: every answer must be the
  // one a fresh scan of the edited text gives. Small alphabets make
  // overlapping and adjacent occurrences, and word boundaries, common.
  void followsEditsLikeAFreshScan() {
    QRandomGenerator random(20240611);
    const QString alphabet = QStringLiteral("aAb_ \n");
    const auto randomText = [&](int maxLength) {
      QString s;
      for (int i = random.bounded(maxLength + 1); i > 0; --i)
        s += alphabet[random.bounded(int(alphabet.size()))];
      return s;
    };
    for (int round = 0; round < 400; ++round) {
      QString text = randomText(40);
      QString search = randomText(4);
      if (search.isEmpty())
        search = QStringLiteral("a");
      const bool caseSensitive = random.bounded(2) == 0;
      const bool wholeWords = random.bounded(2) == 0;
      TInstances instances;
      instances.Init(text, search, caseSensitive, wholeWords);
      for (int step = 0; step < 30; ++step) {
        const QList<int> expected = Reference(text, search, caseSensitive, wholeWords);
        const int at = random.bounded(int(text.size()) + 2);
        const auto next = std::lower_bound(expected.begin(), expected.end(), at);
        const auto message = qPrintable(QStringLiteral("text '%1' search '%2' at %3").arg(text, search).arg(at));
        if (random.bounded(2) == 0)
          QVERIFY2(instances.NextInstance(at) == (next == expected.end() ? -1 : *next), message);
        else
          QVERIFY2(instances.PrevInstance(at) == (next == expected.begin() ? -1 : *(next - 1)), message);
        const int start = random.bounded(int(text.size()) + 1);
        const int length = random.bounded(int(text.size()) - start + 1) % 4;
        const QString inserted = randomText(4);
        text.replace(start, length, inserted);
        instances.TextReplaced(start, length, inserted);
      }
      QCOMPARE(instances.Text(), text);
      QCOMPARE(AllOf(instances), Reference(text, search, caseSensitive, wholeWords));
    }
  }

  // Where the next step of a replace chain looks, given where the step
  // before left the caret (text "aa aa aa", instances at 0, 3, 6).
  void nextReplaceInstance_data() {
    QTest::addColumn<bool>("down");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("insertedLength");
    QTest::addColumn<int>("expected");
    QTest::newRow("declined: passes over it") << true << 3 << -1 << 6;
    QTest::newRow("replaced: passes over the inserted text") << true << 0 << 4 << 6;
    QTest::newRow("replaced by one character") << true << 0 << 1 << 3;
    QTest::newRow("removed: an instance at the caret is taken") << true << 3 << 0 << 3;
    QTest::newRow("upward: the last one before the caret") << false << 6 << 2 << 3;
    QTest::newRow("upward: none before") << false << 0 << -1 << -1;
  }
  void nextReplaceInstance() {
    QFETCH(bool, down);
    QFETCH(int, selStart);
    QFETCH(int, insertedLength);
    QFETCH(int, expected);
    TInstances instances;
    instances.Init("aa aa aa", "aa", false, false);
    QCOMPARE(NextReplaceInstance(instances, down, selStart, insertedLength), expected);
  }

  // Screen 1000 x 800 at the origin, dialog 266 x 90.
  void promptCorner_data() {
    QTest::addColumn<QRect>("instance");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("lower right end of the instance") << QRect(QPoint(100, 200), QPoint(160, 214)) << QPoint(160, 214);
    QTest::newRow("near the right edge: left of it")
        << QRect(QPoint(700, 200), QPoint(740, 214)) << QPoint(700 - 266, 214);
    QTest::newRow("exactly touching the right edge flips")
        << QRect(QPoint(700, 200), QPoint(734, 214)) << QPoint(700 - 266, 214);
    QTest::newRow("near the bottom: above it") << QRect(QPoint(100, 700), QPoint(160, 714)) << QPoint(160, 700 - 90);
  }
  void promptCorner() {
    QFETCH(QRect, instance);
    QFETCH(QPoint, expected);
    QCOMPARE(PromptCorner(instance, QSize(266, 90), QRect(0, 0, 1000, 800)), expected);
  }
};

QTEST_GUILESS_MAIN(TestInstances)
#include "tst_instances.moc"
