#include "ExceptionUnit.h"
#include "ReflowUnit.h"
#include "Stripping.h"
#include "TextModel.h"

#include <QFile>
#include <QTest>

namespace {

int Chars(const QString& s) { return int(s.size()); }

// A variable-pitch stand-in: every character 6 wide, a space 3.
int Proportional(const QString& s) { return int(6 * s.size() - 3 * s.count(u' ')); }

TReflowSettings Settings(int width, bool preserveBlankLines = false, bool indentParagraphs = false) {
  TReflowSettings settings;
  settings.WrapWidth = width;
  settings.PreserveBlankLines = preserveBlankLines;
  settings.IndentParagraphs = indentParagraphs;
  return settings;
}

// What Apply leaves in the pane: the re-flow, then runs of blank lines cut
// to one.
QStringList Apply(const QStringList& lines, const TReflowSettings& settings, const TListConfirm& confirm = {},
                  const TTextWidth& width = Chars) {
  return ApplyStripOp(TStripOp::DoubleBlankLines, Reflow(lines, settings, width, confirm));
}

QStringList Fixture(const QString& name) {
  QFile file(QStringLiteral(QS_FIXTURES "/") + name);
  if (!file.open(QIODevice::ReadOnly))
    qFatal("missing fixture %s", qPrintable(name));
  return SplitLines(QString::fromUtf8(file.readAll()));
}

TListConfirm Answer(bool accepted, bool blankLine, int indent, int* calls = nullptr) {
  return [=](TTokens& stream, const TListDetection&) {
    if (calls)
      ++*calls;
    if (accepted)
      PadBullets(stream, Chars);
    return TListAnswer{accepted, blankLine, indent};
  };
}

const QString Long30(30, u'w');

}  // namespace

class TestReflow : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void wrap_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("preserve");
    QTest::addColumn<bool>("indent");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("two lines at 10") << QStringList{"hello world"} << 10 << false << false
                                     << QStringList{"hello ", "world "};
    QTest::newRow("final space counts at 11") << QStringList{"hello world"} << 11 << false << false
                                              << QStringList{"hello ", "world "};
    QTest::newRow("one line at 12") << QStringList{"hello world"} << 12 << false << false
                                    << QStringList{"hello world "};
    QTest::newRow("long word stands alone") << QStringList{"ab " + Long30 + " cd"} << 20 << false << false
                                            << QStringList{"ab ", Long30 + " ", "cd "};
    QTest::newRow("source breaks are not kept") << QStringList{"one", "two", "three"} << 65 << false << false
                                                << QStringList{"one two three "};
    QTest::newRow("paragraphs merge") << QStringList{"one two", "", "three four"} << 65 << false << false
                                      << QStringList{"one two three four "};
    QTest::newRow("paragraphs kept") << QStringList{"one two", "", "three four"} << 65 << true << false
                                     << QStringList{"one two ", "", "three four "};
    QTest::newRow("paragraphs kept and indented")
        << QStringList{"one two", "", "three four"} << 65 << true << true
        << QStringList{"    one two ", "    ", "    three four "};
    QTest::newRow("only the first line indented") << QStringList{"aaa bbb ccc ddd", "eee fff ggg"} << 20 << false
                                                  << true << QStringList{"    aaa bbb ccc ddd ", "eee fff ggg "};
    QTest::newRow("three blank lines to one") << QStringList{"one", "", "  ", "", "two"} << 65 << true << false
                                              << QStringList{"one ", "", "two "};
    QTest::newRow("empty scope") << QStringList() << 65 << true << true << QStringList();
    QTest::newRow("leading blank line kept once") << QStringList{"", "", "one"} << 65 << true << false
                                                  << QStringList{"", "one "};
    QTest::newRow("unstripped trailing spaces") << QStringList{"one ", "two  "} << 65 << false << false
                                                << QStringList{"one  two  "};
    QTest::newRow("blank line ends an overlong line")
        << QStringList{Long30, "", "next word"} << 20 << false << true << QStringList{Long30 + " ", "    next word "};
    QTest::newRow("first token too long for an indent") << QStringList{Long30 + " x"} << 20 << false << true
                                                        << QStringList{Long30 + " ", "x "};
  }
  void wrap() {
    QFETCH(QStringList, lines);
    QFETCH(int, width);
    QFETCH(bool, preserve);
    QFETCH(bool, indent);
    QFETCH(QStringList, expected);
    int calls = 0;
    QCOMPARE(Apply(lines, Settings(width, preserve, indent), Answer(false, false, 0, &calls)), expected);
    QCOMPARE(calls, 0);
  }

  // Variable pitch: widths of "x", and a first-line indent of eight spaces.
  void variablePitch() {
    TReflowSettings settings = Settings(10, true, true);
    settings.FixedPitch = false;
    // 10 "x" are 60 wide: "        one " is 8 * 3 + 18 + 3 = 45, "two " adds 21.
    QCOMPARE(Apply({"one two", "", "abc"}, settings, {}, Proportional),
             QStringList({"        one ", "two ", "        ", "        abc "}));
    QVERIFY_THROWS_EXCEPTION(TError, Reflow({"x"}, settings, {}, {}));
  }

  void confirmedNumberedList() {
    int calls = 0;
    TListDetection seen;
    const TListConfirm confirm = [&](TTokens& stream, const TListDetection& detection) {
      ++calls;
      seen = detection;
      PadBullets(stream, Chars);
      return TListAnswer{true, true, 4};
    };
    QCOMPARE(Apply(Fixture("numbered-list.txt"), Settings(40), confirm), Fixture("numbered-list-yes.expected"));
    QCOMPARE(calls, 1);
    QCOMPARE(seen.Dominant, ltNumbered);
  }

  void numberedListAnsweredNo() {
    QCOMPARE(Apply(Fixture("numbered-list.txt"), Settings(40), Answer(false, true, 4)),
             Fixture("numbered-list-no.expected"));
    // No answer at all is a No.
    QCOMPARE(Apply(Fixture("numbered-list.txt"), Settings(40)), Fixture("numbered-list-no.expected"));
  }

  void listAtTheStart_data() {
    QTest::addColumn<bool>("blankLine");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("blank line between items")
        << true << QStringList{"- apples are ", "  red ", "", "- pears ", "", "- plums and ", "  more "};
    QTest::newRow("items close together")
        << false << QStringList{"- apples are ", "  red ", "- pears ", "- plums and ", "  more "};
  }
  // The first item gets no blank line before it; text after the list with
  // no preserved blank line stays indented as part of the last item.
  void listAtTheStart() {
    QFETCH(bool, blankLine);
    QFETCH(QStringList, expected);
    QCOMPARE(Apply({"- apples are red", "- pears", "- plums", "and more"}, Settings(14), Answer(true, blankLine, 2)),
             expected);
  }

  void preservedBlankLineEndsTheList() {
    QCOMPARE(Apply({"* ab", "* cd", "* ef", "", "gh ij"}, Settings(65, true), Answer(true, false, 3)),
             QStringList({"* ab ", "* cd ", "* ef ", "", "gh ij "}));
  }

  // A long text is re-flowed a part at a time when no question is asked;
  // the result equals the re-flow of the whole stream answered No.
  void partsGiveTheWholeResult_data() {
    QTest::addColumn<bool>("preserve");
    QTest::newRow("blank lines merged") << false;
    QTest::newRow("blank lines preserved") << true;
  }
  void partsGiveTheWholeResult() {
    QFETCH(bool, preserve);
    const QStringList pieces = {"- item one", "- item two and more", "1. don't stop", "plain words of a paragraph",
                                "", "   ", "trailing spaces  ", "a-very-long-hyphenated-word-that-will-not-fit", "x"};
    QStringList lines;
    for (int i = 0; i < 9000; ++i)
      lines << pieces[(i * 7 + i / 5) % pieces.size()];
    for (int width = 20; width <= 40; width += 3) {
      const TReflowSettings settings = Settings(width, preserve, true);
      int calls = 0;
      const QStringList whole = Reflow(lines, settings, Chars, Answer(false, true, 4, &calls));
      QCOMPARE(calls, 1);
      QCOMPARE(Reflow(lines, settings, Chars, {}), whole);
      QStringList own = lines;
      own.detach();  // a list of its own, emptied as it is parsed
      QCOMPARE(Reflow(std::move(own), settings, Chars, {}), whole);
    }
  }

  void indentPrefix_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<bool>("leadingBlank");
    QTest::addColumn<bool>("indent");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("width counts the prefix") << QStringList{"aaaa bbbb cccc dddd"} << ">>> " << false << false
                                             << QStringList{">>> aaaa bbbb cccc ", ">>> dddd "};
    QTest::newRow("leading blank line has no prefix") << QStringList{"one two"} << ">>> " << true << false
                                                      << QStringList{"", ">>> one two "};
    QTest::newRow("blank line inside is the bare prefix") << QStringList{"one", "", "two"} << ">>> " << false
                                                          << false << QStringList{">>> one ", ">>> ", ">>> two "};
    QTest::newRow("bare prefix and paragraph indent") << QStringList{"one", "", "two"} << ">>> " << false << true
                                                      << QStringList{">>>     one ", ">>>     ", ">>>     two "};
    QTest::newRow("starting blank line gives an empty first line")
        << QStringList{"", "one"} << ">>> " << false << false << QStringList{"", ">>> ", ">>> one "};
    QTest::newRow("source blank lines alternate") << QStringList{"one", "", "", "two"} << ">>> " << false << false
                                                  << QStringList{">>> one ", ">>> ", "", ">>> ", ">>> two "};
    QTest::newRow("a prefix of spaces counts as blank") << QStringList{"", "one"} << "     " << false << false
                                                        << QStringList{"     ", "     one "};
  }
  void indentPrefix() {
    QFETCH(QStringList, lines);
    QFETCH(QString, prefix);
    QFETCH(bool, leadingBlank);
    QFETCH(bool, indent);
    QFETCH(QStringList, expected);
    TReflowSettings settings = Settings(20, true, indent);
    settings.IndentPrefix = prefix;
    settings.LeadingBlankLine = leadingBlank;
    QCOMPARE(Apply(lines, settings), expected);
  }

  // Under a non-space prefix a confirmed bullet as the block's first token
  // finishes the empty line being built, which is emitted.
  void bulletFirstUnderAPrefix() {
    TReflowSettings settings = Settings(65);
    settings.IndentPrefix = "> ";
    QCOMPARE(Apply({"- apple", "- pear", "- plum"}, settings, Answer(true, false, 2)),
             QStringList({"", "> - apple ", "> - pear ", "> - plum "}));
  }
};

QTEST_GUILESS_MAIN(TestReflow)
#include "tst_reflow.moc"
