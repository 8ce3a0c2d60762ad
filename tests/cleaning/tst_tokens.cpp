#include "ExceptionUnit.h"
#include "TokensUnit.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// One entry as "text/kind/line:position/s" (s: SpaceAfter, -: none).
QString Dump(const TTokenInfo& info, const QString& text) {
  return QStringLiteral("%1/%2/%3:%4/%5")
      .arg(text)
      .arg(int(info.Kind))
      .arg(info.Line)
      .arg(info.Position)
      .arg(info.SpaceAfter ? QStringLiteral("s") : QStringLiteral("-"));
}

QStringList Dump(const TTokens& tokens) {
  QStringList entries;
  for (int i = 0; i < tokens.Count(); ++i)
    entries << Dump(tokens.GetInfoAtIndex(i), tokens.Text(i));
  return entries;
}

TListPattern Pattern(std::initializer_list<TListPatternElement> elements) {
  TListPattern pattern;
  std::copy(elements.begin(), elements.end(), pattern.begin());
  return pattern;
}

const TListPattern NumberDot = Pattern({{ltNumbered, {}}, {ltBulleted, "."}});

// The stream operations exactly as first described: backwards, deleting and
// joining entries one at a time. The stream's own passes must agree.
struct TPlainEntry {
  QString text;
  TTokenInfo info;
};
using TPlainStream = std::vector<TPlainEntry>;

TPlainStream Plain(const TTokens& tokens) {
  TPlainStream plain;
  for (int i = 0; i < tokens.Count(); ++i)
    plain.push_back({tokens.Text(i), tokens.GetInfoAtIndex(i)});
  return plain;
}

QStringList Dump(const TPlainStream& plain) {
  QStringList entries;
  for (const TPlainEntry& e : plain)
    entries << Dump(e.info, e.text);
  return entries;
}

bool Separates(const TPlainEntry& e) { return e.info.Kind == tkBlankLine || e.info.Kind == tkListBullet; }

void BackwardConcatenate(TPlainStream& s) {
  for (int k = int(s.size()) - 2; k >= 0; --k) {
    if (s[k].info.SpaceAfter || Separates(s[k]) || Separates(s[k + 1]))
      continue;
    s[k].text += s[k + 1].text;
    s[k].info.SpaceAfter = true;
    s.erase(s.begin() + k + 1);
  }
}

bool BackwardListBullet(const TPlainStream& s, int i, const TListPattern& pattern) {
  if (pattern[0].ListType == ltNone)
    return false;
  for (int p = 1; p <= 5; ++p) {
    const TListPatternElement& element = pattern[p - 1];
    if (element.ListType == ltNone)
      return true;
    const int at = i + p - 1;
    if (at >= int(s.size()) || s[at].info.Position != p)
      return false;
    const bool match = element.ListType == ltBulleted   ? s[at].text == element.Text
                       : element.ListType == ltNumbered ? s[at].info.Kind == tkNumber
                                                        : s[at].info.Kind == tkLetter;
    if (!match)
      return false;
  }
  return true;
}

void BackwardMarkListBullets(TPlainStream& s, const TListPattern& pattern) {
  const int n = PatternLength(pattern);
  for (int k = int(s.size()) - 1; k >= 0; --k) {
    if (!BackwardListBullet(s, k, pattern))
      continue;
    s[k].info.Kind = tkListBullet;
    if (s[k].info.SpaceAfter)
      s[k].text += u' ';
    s[k].info.SpaceAfter = false;
    for (int a = 1; a < n; ++a)
      s[k].text += s[k + a].text + (s[k + a].info.SpaceAfter ? QStringLiteral(" ") : QString());
    s.erase(s.begin() + k + 1, s.begin() + k + n);
  }
}

}  // namespace

class TestTokens : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void parse_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("no lines") << QStringList() << QStringList();
    QTest::newRow("spaces only is one blank line") << QStringList{"   "} << QStringList{"/4/0:1/-"};
    QTest::newRow("empty line") << QStringList{""} << QStringList{"/4/0:1/-"};
    QTest::newRow("trailing spaces leave an empty token")
        << QStringList{"foo   "} << QStringList{"foo/0/0:1/s", "/3/0:2/s"};
    QTest::newRow("letters then digits") << QStringList{"abc123"} << QStringList{"abc/0/0:1/-", "123/2/0:2/s"};
    QTest::newRow("single letters around other") << QStringList{"a.b"}
                                                  << QStringList{"a/1/0:1/-", "./3/0:2/-", "b/1/0:3/s"};
    QTest::newRow("tab is other") << QStringList{"x\ty"} << QStringList{"x/1/0:1/-", "\t/3/0:2/-", "y/1/0:3/s"};
    QTest::newRow("accented letter is other")
        << QStringList{QString::fromUtf8("caf\xc3\xa9 au")}
        << QStringList{"caf/0/0:1/-", QString::fromUtf8("\xc3\xa9/3/0:2/s"), "au/0/0:3/s"};
    QTest::newRow("run of other characters") << QStringList{"-->> x"} << QStringList{"-->>/3/0:1/s", "x/1/0:2/s"};
    QTest::newRow("positions restart per line")
        << QStringList{"  one  two", "", "3"} << QStringList{"one/0/0:1/s", "two/0/0:2/s", "/4/1:1/-", "3/2/2:1/s"};
  }
  void parse() {
    QFETCH(QStringList, lines);
    QFETCH(QStringList, expected);
    TTokens tokens;
    tokens.Add(u"stale", tkWord, 9, 1, true);
    tokens.Parse(lines);
    QCOMPARE(Dump(tokens), expected);
  }

  void getTokenCutsTheCallersString() {
    TTokens tokens;
    QString text = "  ab1 cd";
    QCOMPARE(tokens.GetToken(text, 4, 2), QStringLiteral("ab"));
    QCOMPARE(text, QStringLiteral("1 cd"));
    QCOMPARE(tokens.GetToken(text, 4, 3), QStringLiteral("1"));
    QCOMPARE(text, QStringLiteral(" cd"));
    QString spaces = "   ";
    QCOMPARE(tokens.GetToken(spaces, 5, 1), QString());
    QCOMPARE(spaces, QString());
    QCOMPARE(Dump(tokens), QStringList({"ab/0/4:2/-", "1/2/4:3/s", "/3/5:1/s"}));
  }

  void concatenate_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("word and number keep the first kind") << QStringList{"abc123"} << QStringList{"abc123/0/0:1/s"};
    QTest::newRow("letter pieces") << QStringList{"a.b"} << QStringList{"a.b/1/0:1/s"};
    QTest::newRow("apostrophe") << QStringList{"don't stop"} << QStringList{"don't/0/0:1/s", "stop/0/0:4/s"};
    QTest::newRow("spaces separate") << QStringList{"a . b"} << QStringList{"a/1/0:1/s", "./3/0:2/s", "b/1/0:3/s"};
    QTest::newRow("blank lines stay apart") << QStringList{"x,", "", "y"}
                                            << QStringList{"x,/1/0:1/s", "/4/1:1/-", "y/1/2:1/s"};
  }
  void concatenate() {
    QFETCH(QStringList, lines);
    QFETCH(QStringList, expected);
    TTokens tokens;
    tokens.Parse(lines);
    tokens.Concatenate();
    QCOMPARE(Dump(tokens), expected);
  }

  // Entries not made by Parse: a word piece right before a blank line or a
  // bullet is not joined with it.
  void concatenateNeverJoinsSeparators() {
    TTokens tokens;
    tokens.Add(u"a", tkLetter, 0, 1, false);
    tokens.Add(u"", tkBlankLine, 1, 1, false);
    tokens.Add(u"b", tkLetter, 2, 1, false);
    tokens.Add(u"1. ", tkListBullet, 3, 1, false);
    tokens.Add(u"c", tkLetter, 3, 2, false);
    tokens.Add(u"d", tkLetter, 3, 3, true);
    tokens.Concatenate();
    QCOMPARE(Dump(tokens), QStringList({"a/1/0:1/-", "/4/1:1/-", "b/1/2:1/-", "1. /6/3:1/-", "cd/1/3:2/s"}));
  }

  void markListBullets_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("pattern");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("number dot space") << QStringList{"1. text"} << 0 << QStringList{"1. /6/0:1/-", "text/0/0:3/s"};
    QTest::newRow("number dot no space") << QStringList{"1.text"} << 0 << QStringList{"1./6/0:1/-", "text/0/0:3/s"};
    QTest::newRow("final line holds only a number")
        << QStringList{"1. a", "4"} << 0 << QStringList{"1. /6/0:1/-", "a/1/0:3/s", "4/2/1:1/s"};
    QTest::newRow("not at line start") << QStringList{"x 1. y"} << 0
                                       << QStringList{"x/1/0:1/s", "1/2/0:2/-", "./3/0:3/s", "y/1/0:4/s"};
    QTest::newRow("parenthesised letter") << QStringList{"(a) text"} << 1
                                          << QStringList{"(a) /6/0:1/-", "text/0/0:4/s"};
    QTest::newRow("components spaced apart") << QStringList{"-   item  x"} << 2 << QStringList{"- item /6/0:1/-", "x/1/0:3/s"};
    QTest::newRow("bulleted text is case-sensitive") << QStringList{"- Item"} << 2
                                                     << QStringList{"-/3/0:1/s", "Item/0/0:2/s"};
    QTest::newRow("empty pattern") << QStringList{"1. text"} << 3
                                   << QStringList{"1/2/0:1/-", "./3/0:2/s", "text/0/0:3/s"};
  }
  void markListBullets() {
    QFETCH(QStringList, lines);
    QFETCH(int, pattern);
    QFETCH(QStringList, expected);
    const TListPattern patterns[] = {NumberDot,
                                     Pattern({{ltBulleted, "("}, {ltLettered, {}}, {ltBulleted, ")"}}),
                                     Pattern({{ltBulleted, "-"}, {ltBulleted, "item"}}), TListPattern()};
    TTokens tokens;
    tokens.Parse(lines);
    tokens.MarkListBullets(patterns[pattern]);
    QCOMPARE(Dump(tokens), expected);
  }

  void listBulletStopsAtTheEnd() {
    TTokens tokens;
    tokens.Parse({"1"});
    QVERIFY(!tokens.ListBullet(0, NumberDot));
    QVERIFY(!tokens.ListBullet(-1, NumberDot));
    QVERIFY(!tokens.ListBullet(5, NumberDot));
    QVERIFY(tokens.ListBullet(0, Pattern({{ltNumbered, {}}})));
  }

  void removeListBullets() {
    TTokens tokens;
    tokens.Parse({"1. a", "2.b"});
    tokens.MarkListBullets(NumberDot);
    tokens.Concatenate();
    tokens.RemoveListBullets();
    QCOMPARE(Dump(tokens), QStringList({"1./0/0:1/s", "a/1/0:3/s", "2./0/1:1/-", "b/1/1:3/s"}));
  }

  void stripBlankLines() {
    TTokens tokens;
    tokens.Parse({"a  ", "", "  ", "b"});
    tokens.StripBlankLines();
    QCOMPARE(Dump(tokens), QStringList({"a/1/0:1/s", "b/1/3:1/s"}));
  }

  void takingFromTheFront() {
    TTokens tokens;
    tokens.Parse({"x  "});
    QCOMPARE(tokens.GetTokenStr(), QStringLiteral("x "));
    tokens.DeleteFirst();
    QCOMPARE(tokens.GetTokenStr(), QStringLiteral(" "));  // the empty token of the trailing spaces
    tokens.DeleteFirst();
    QVERIFY(tokens.IsEmpty());
    QVERIFY_THROWS_EXCEPTION(TError, tokens.GetTokenStr());
    QVERIFY_THROWS_EXCEPTION(TError, tokens.DeleteFirst());
  }

  void indexOutOfBoundsRaises() {
    TTokens tokens;
    tokens.Parse({"a b"});
    QVERIFY_THROWS_EXCEPTION(TError, tokens.GetInfoAtIndex(2));
    QVERIFY_THROWS_EXCEPTION(TError, tokens.GetInfoAtIndex(-1));
    QVERIFY_THROWS_EXCEPTION(TError, tokens.SetText(2, "x"));
    try {
      tokens.Text(7);
      QFAIL("no error");
    } catch (const TError& error) {
      QVERIFY(error.Message().startsWith("TTokens.Text\r\n"));
    }
  }

  void appendMovesAStream() {
    TTokens first, second;
    first.Parse({"ab cd"});
    second.Parse({"x", "1. y"}, 1);
    second.MarkListBullets(NumberDot);
    first.Append(second);
    QVERIFY(second.IsEmpty());
    QCOMPARE(Dump(first), QStringList({"ab/0/0:1/s", "cd/0/0:2/s", "1. /6/1:1/-", "y/1/1:3/s"}));
  }

  void setTextAfterJoining() {
    TTokens tokens;
    tokens.Parse({"ab-cd ef"});
    tokens.Concatenate();
    tokens.SetText(0, "1.  ");
    QCOMPARE(Dump(tokens), QStringList({"1.  /0/0:1/s", "ef/0/0:4/s"}));
  }

  // Random blocks of bullets, word pieces, blank lines and trailing spaces:
  // marking and joining give what the backward algorithms give.
  void passesMatchBackwardAlgorithms() {
    const QStringList pieces = {"1", "12", ".", ")", "(", "a", "b", "ab", "-", "x", "'", " ", "  ", "\t"};
    const TListPattern patterns[] = {NumberDot, Pattern({{ltLettered, {}}, {ltBulleted, ")"}}),
                                     Pattern({{ltBulleted, "-"}}),
                                     Pattern({{ltBulleted, "("}, {ltLettered, {}}, {ltBulleted, ")"}}),
                                     TListPattern()};
    QRandomGenerator random(4711);
    for (int round = 0; round < 300; ++round) {
      QStringList lines;
      const int lineCount = random.bounded(1, 12);
      for (int l = 0; l < lineCount; ++l) {
        QString line;
        const int n = random.bounded(0, 8);
        for (int p = 0; p < n; ++p)
          line += pieces[random.bounded(pieces.size())];
        lines << line;
      }
      const TListPattern& pattern = patterns[round % std::size(patterns)];
      TTokens tokens;
      tokens.Parse(lines);
      TPlainStream expected = Plain(tokens);
      tokens.MarkListBullets(pattern);
      tokens.Concatenate();
      BackwardMarkListBullets(expected, pattern);
      BackwardConcatenate(expected);
      QCOMPARE(Dump(tokens), Dump(expected));
    }
  }
};

QTEST_GUILESS_MAIN(TestTokens)
#include "tst_tokens.moc"
