#include "ListWrapUnit.h"
#include "SortedTokensUnit.h"

#include <QTest>

namespace {

int Chars(const QString& s) { return int(s.size()); }

// A variable-pitch stand-in: "m" and "w" are wide, "i", "l", "." and spaces
// narrow, everything else in between.
int Proportional(const QString& s) {
  int width = 0;
  for (QChar c : s)
    width += (c == u'm' || c == u'w') ? 9 : (c == u'i' || c == u'l' || c == u'.' || c == u' ') ? 3 : 6;
  return width;
}

// A measure under which spaces take no room at all.
int SpacesIgnored(const QString& s) { return int(s.size() - s.count(u' ')); }

// The re-flow stream of a block, bullets marked and joined as the dialog
// receives it.
TTokens MarkedStream(const QStringList& lines) {
  TTokens stream;
  stream.Parse(lines);
  const TListDetection detection = DetectList(lines);
  if (detection.Detected)
    stream.MarkListBullets(detection.Pattern);
  stream.Concatenate();
  return stream;
}

QStringList Bullets(const TTokens& stream) {
  QStringList bullets;
  for (int i = 0; i < stream.Count(); ++i)
    if (stream.GetInfoAtIndex(i).Kind == tkListBullet)
      bullets << stream.Text(i);
  return bullets;
}

QStringList TwelveItems(const QString& separator) {
  QStringList lines{"Things to do"};
  for (int i = 1; i <= 12; ++i)
    lines << QString::number(i) + "." + separator + "item" + QChar(u'a' + i);
  return lines;
}

}  // namespace

class TestListWrap : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void twelveNumberedItems() {
    TTokens stream = MarkedStream(TwelveItems(" "));
    QCOMPARE(LongestListBullet(stream, Chars), QStringLiteral("12. "));
    QCOMPARE(DefaultListItemIndent("12. ", Chars), 4);
    QCOMPARE(ListDetectedMessage(ltNumbered),
             QStringLiteral("The text that you want to wrap seems to contain a numbered list. "));
    PadBullets(stream, Chars);
    const QStringList bullets = Bullets(stream);
    QCOMPARE(bullets.size(), 12);
    for (int i = 0; i < 9; ++i)
      QCOMPARE(bullets[i], QString::number(i + 1) + ".  ");
    QCOMPARE(bullets.mid(9), QStringList({"10. ", "11. ", "12. "}));
  }

  void bulletsWithoutSpaceGainOne() {
    TTokens stream = MarkedStream(TwelveItems(""));
    QCOMPARE(LongestListBullet(stream, Chars), QStringLiteral("12."));
    PadBullets(stream, Chars);
    QCOMPARE(Bullets(stream).first(), QStringLiteral("1. "));
    QCOMPARE(Bullets(stream).last(), QStringLiteral("12."));
  }

  // Under a variable pitch the widest bullet is the widest drawn, not the
  // longest, and padding goes on until the width is reached.
  void variablePitch() {
    TTokens stream;
    stream.Add(u"w) ", tkListBullet, 0, 1, false);
    stream.Add(u"ii) ", tkListBullet, 1, 1, false);
    stream.Add(u"m) ", tkListBullet, 2, 1, false);
    stream.Add(u"text", tkWord, 2, 3, true);
    QCOMPARE(LongestListBullet(stream, Proportional), QStringLiteral("m) "));  // last of the widest
    QCOMPARE(DefaultListItemIndent("m) ", Proportional), 6);  // 18 wide: six spaces of 3
    PadBullets(stream, Proportional);
    QCOMPARE(Bullets(stream), QStringList({"w) ", "ii)  ", "m) "}));
  }

  void noBullets() {
    TTokens stream = MarkedStream({"plain text", "and more"});
    QCOMPARE(LongestListBullet(stream, Chars), QString());
    QCOMPARE(DefaultListItemIndent(QString(), Chars), 0);
    PadBullets(stream, Chars);
    QCOMPARE(stream.Text(0), QStringLiteral("plain"));
  }

  void defaultIndentStopsAtTwenty() {
    QCOMPARE(DefaultListItemIndent(QString(25, u'-'), Chars), 20);
    QCOMPARE(DefaultListItemIndent("abc", SpacesIgnored), 20);
  }

  // Padding that adds no width must not go on for ever.
  void paddingEndsWhenSpacesAddNothing() {
    TTokens stream;
    stream.Add(u"1.", tkListBullet, 0, 1, false);
    stream.Add(u"10.", tkListBullet, 1, 1, false);
    PadBullets(stream, SpacesIgnored);
    QCOMPARE(Bullets(stream), QStringList({"1. ", "10."}));
  }

  void caption_data() {
    QTest::addColumn<int>("indent");
    QTest::addColumn<QString>("caption");
    QTest::newRow("none") << 0 << "0 spaces";
    QTest::newRow("one") << 1 << "1 space";
    QTest::newRow("two") << 2 << "2 spaces";
    QTest::newRow("most") << 20 << "20 spaces";
  }
  void caption() {
    QFETCH(int, indent);
    QFETCH(QString, caption);
    QCOMPARE(ListIndentCaption(indent), caption);
  }

  void sample() {
    const QString text = ListSampleText("12. ");
    QVERIFY(text.startsWith("12. Any list items that are too long"));
    // 30 characters wide less the "X": a word fits while the line so far
    // plus the word stays within 29.
    const TListSample sample = IndentSample(text, 30, 4, Chars);
    const QStringList lines = sample.Text.split(u'\r');
    QCOMPARE(sample.Lines, lines.size());
    QCOMPARE(lines.first(), QStringLiteral("12. Any list items that are "));
    QCOMPARE(lines[1], QStringLiteral("    too long to fit on one "));
    QCOMPARE(lines.last(), QStringLiteral("    position. "));
    // Redrawing from the re-flowed text gives the same sample.
    const TListSample again = IndentSample(sample.Text, 30, 4, Chars);
    QCOMPARE(again.Text, sample.Text);
    QCOMPARE(IndentSample(again.Text, 30, 0, Chars).Text, IndentSample(text, 30, 0, Chars).Text);
  }

  void sampleOfNothing() {
    const TListSample sample = IndentSample(QString(), 257, 4, Chars);
    QCOMPARE(sample.Text, QString());
    QCOMPARE(sample.Lines, 1);
  }
};

QTEST_GUILESS_MAIN(TestListWrap)
#include "tst_listwrap.moc"
