#include "ConfirmTextReplaceUnit.h"
#include "EditPane.h"
#include "ExceptionUnit.h"
#include "FindTextUnit.h"
#include "MainUnit.h"
#include "ReplaceTextUnit.h"
#include "ScreenRect.h"
#include "StrFcns.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

struct TOptions {
  bool caseSensitive = false;
  bool wholeWords = false;
  bool down = true;
  bool fromCursor = true;
  bool prompt = false;
};

}  // namespace

// Find, F3 and replace in the running main window, the dialogs driven as a
// user would: options set, a button clicked, prompts answered.
class TestSearch : public QObject {
  Q_OBJECT

  struct TPrompt {
    int selStart;
    QString selText;
    QRect instance;  // on the screen
    QPoint pos;
  };

  std::unique_ptr<QTemporaryDir> home;
  TMainWindow* window = nullptr;
  TEditPane* pane = nullptr;
  TFindTextDialog* find = nullptr;
  TReplaceTextDialog* replace = nullptr;
  TConfirmTextReplaceDialog* confirm = nullptr;
  QStringList reports;
  QStringList answers;  // object names of the buttons that answer the coming prompts
  QList<TPrompt> prompts;
  QTimer* answering = nullptr;

  void Start(const QString& text) {
    window = new TMainWindow;
    find = new TFindTextDialog(window);
    replace = new TReplaceTextDialog(window);
    confirm = new TConfirmTextReplaceDialog(*replace, window);
    window->SetSearchDialogs(find, replace);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    pane = window->EditPane;
    pane->SetText(text);
    answering = new QTimer(window);
    answering->setInterval(0);
    connect(answering, &QTimer::timeout, this, &TestSearch::AnswerPrompt);
    answering->start();
  }

  // Notes what the prompt shows, where it stands and where it should, and
  // clicks the next answer.
  void AnswerPrompt() {
    if (!confirm->isVisible())
      return;
    prompts.append({pane->SelStart(), pane->SelText(), window->SelTextBoundsRect(), confirm->pos()});
    if (answers.isEmpty()) {
      QWARN("unexpected prompt");
      confirm->close();
      return;
    }
    QTest::mouseClick(confirm->findChild<QPushButton*>(answers.takeFirst()), Qt::LeftButton);
  }

  static void SetOptions(TSearchDialog* dialog, const QString& search, const TOptions& o) {
    dialog->SetSearchStr(search);
    dialog->SetCaseSensitive(o.caseSensitive);
    dialog->SetWholeWordsOnly(o.wholeWords);
    dialog->SetSearchDown(o.down);
    dialog->SetSearchFromCursor(o.fromCursor);
  }

  void Find(const QString& search, const TOptions& o = {}) {
    QTimer::singleShot(0, find, [=, this] {
      SetOptions(find, search, o);
      QTest::mouseClick(find->OkButton, Qt::LeftButton);
    });
    window->Find1Click();
  }

  void Replace(const QString& search, const QString& replacement, const TOptions& o, bool all) {
    QTimer::singleShot(0, replace, [=, this] {
      SetOptions(replace, search, o);
      replace->SetReplaceStr(replacement);
      replace->SetPromptOnReplace(o.prompt);
      QTest::mouseClick(all ? replace->ReplaceAllButton : replace->OkButton, Qt::LeftButton);
    });
    window->ReplaceText1Click();
  }

  void F3() { window->FindReplacenextinstance1Click(); }

  QPair<int, int> Selection() const { return {pane->SelStart(), pane->SelLength()}; }

  void UndoAll() {
    while (!window->UndoStack.IsEmpty())
      window->Pop();
  }

private Q_SLOTS:
  void init() {
    home = std::make_unique<QTemporaryDir>();
    SetHomeDir(home->path());
    reports.clear();
    answers.clear();
    prompts.clear();
    SetFinalReporter([this](const QString& r) { reports << r; });
  }
  void cleanup() {
    QVERIFY2(reports.isEmpty(), qPrintable(reports.join("\n")));
    QVERIFY(answers.isEmpty());
    delete window;
    window = nullptr;
  }

  // From the cursor an instance at the caret counts; F3 passes over the
  // instance just found; at the end the caret goes to the end of the text.
  void findFromCursorThenF3() {
    Start("cat dog cat dog cat");
    window->SelectText(8, 0);
    Find("CAT");
    QCOMPARE(Selection(), qMakePair(8, 3));
    F3();
    QCOMPARE(Selection(), qMakePair(16, 3));
    F3();
    QCOMPARE(Selection(), qMakePair(19, 0));
    QCOMPARE(window->UndoStack.Count(), 3);
    window->Pop();  // each step pushed one snapshot of the selection before it
    QCOMPARE(Selection(), qMakePair(16, 3));
    QVERIFY(!window->LastSearchWasReplace);
  }

  void findUpwardOverEntireScope() {
    Start("cat dog cat dog cat");
    window->SelectText(5, 0);
    Find("cat", {.down = false, .fromCursor = false});
    QCOMPARE(Selection(), qMakePair(16, 3));
    F3();
    QCOMPARE(Selection(), qMakePair(8, 3));
    F3();
    F3();
    QCOMPARE(Selection(), qMakePair(0, 0));
    QCOMPARE(pane->Text(), QStringLiteral("cat dog cat dog cat"));
  }

  void findSearchesTheWholeTextWhateverTheScope() {
    Start("one two\r\nthree two\r\n");
    window->SelectText(0, 3);  // "Selected Text" is checked
    Find("two", {.fromCursor = false});
    QCOMPARE(Selection(), qMakePair(4, 3));
    F3();
    QCOMPARE(Selection(), qMakePair(15, 3));  // CR LF counts as two
    QCOMPARE(pane->SelText(), QStringLiteral("two"));
  }

  // Confirming an empty box does nothing at all; F3 keeps repeating the
  // replacement.
  void emptyFindBoxChangesNothing() {
    Start("a b a");
    Replace("a", "c", {.fromCursor = false}, false);
    QCOMPARE(pane->Text(), QStringLiteral("c b a"));
    const int snapshots = window->UndoStack.Count();
    Find("");
    QCOMPARE(window->UndoStack.Count(), snapshots);
    QVERIFY(window->LastSearchWasReplace);
    F3();
    QCOMPARE(pane->Text(), QStringLiteral("c b c"));
  }

  void f3FollowsTheLastConfirmedDialog() {
    Start("x y x y x");
    Find("y");
    QCOMPARE(Selection(), qMakePair(2, 1));
    Replace("x", "z", {}, false);
    QCOMPARE(pane->Text(), QStringLiteral("x y z y x"));
    F3();
    QCOMPARE(pane->Text(), QStringLiteral("x y z y z"));
    window->SelectText(0, 0);
    Find("y");
    F3();
    QCOMPARE(Selection(), qMakePair(6, 1));
    QCOMPARE(pane->Text(), QStringLiteral("x y z y z"));
  }

  // Replace All: the result, where the caret ends, one snapshot per step
  // (N + 1 for N replacements), and undoing them all gives the text back.
  void replaceAll_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<bool>("down");
    QTest::addColumn<bool>("fromCursor");
    QTest::addColumn<bool>("wholeWords");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedCaret");
    QTest::addColumn<int>("snapshots");
    QTest::newRow("downward over the entire scope")
        << "one two one" << 5 << "one" << "1" << true << false << false << "1 two 1" << 7 << 3;
    QTest::newRow("from the cursor") << "one two one" << 1 << "one" << "1" << true << true << false << "one two 1"
                                     << 9 << 2;
    QTest::newRow("upward") << ">>>" << 0 << ">" << "-" << false << false << false << "---" << 0 << 4;
    QTest::newRow("whole words") << "cat concat" << 0 << "cat" << "dog" << true << false << true << "dog concat"
                                 << 10 << 2;
    QTest::newRow("lines end with CR LF") << "one\r\ntwo one\r\n" << 0 << "one" << "1" << true << false << false
                                          << "1\r\ntwo 1\r\n" << 10 << 3;
    QTest::newRow("replacement holds the search text: a to aa")
        << "aaa" << 0 << "a" << "aa" << true << false << false << "aaaaaa" << 6 << 4;
    QTest::newRow("replacement holds the search text later: cat to concatenate")
        << "cat cat" << 0 << "cat" << "concatenate" << true << false << false << "concatenate concatenate" << 23 << 3;
    QTest::newRow("upward, replacement holds the search text")
        << "aaa" << 0 << "a" << "aa" << false << false << false << "aaaaaa" << 0 << 4;
    QTest::newRow("empty replacement takes the instance at the caret")
        << "xxxx" << 0 << "x" << "" << true << false << false << "" << 0 << 5;
    QTest::newRow("empty replacement between others") << "axxb x" << 0 << "x" << "" << true << false << false
                                                      << "ab " << 3 << 4;
    QTest::newRow("a paragraph break in the replacement becomes CR LF")
        << "x x" << 0 << "x" << QString("a\u2029b") << true << false << false << "a\r\nb a\r\nb" << 9 << 3;
    QTest::newRow("search text found nowhere") << "abc" << 1 << "z" << "y" << true << true << false << "abc" << 1
                                               << 1;
  }
  void replaceAll() {
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QString, search);
    QFETCH(QString, replacement);
    QFETCH(bool, down);
    QFETCH(bool, fromCursor);
    QFETCH(bool, wholeWords);
    QFETCH(QString, expected);
    QFETCH(int, expectedCaret);
    QFETCH(int, snapshots);
    Start(text);
    window->SelectText(caret, 0);
    Replace(search, replacement, {.wholeWords = wholeWords, .down = down, .fromCursor = fromCursor}, true);
    QCOMPARE(pane->Text(), expected);
    QCOMPARE(Selection(), qMakePair(expectedCaret, 0));
    QCOMPARE(window->UndoStack.Count(), snapshots);
    QVERIFY(!replace->ReplaceAll && !replace->AllConfirmed);
    UndoAll();
    QCOMPARE(pane->Text(), text);
    QCOMPARE(Selection(), qMakePair(caret, 0));
  }

  void promptedNoAtEveryInstance() {
    Start("one two one");
    answers = {"NoButton", "NoButton"};
    Replace("one", "1", {.fromCursor = false, .prompt = true}, true);
    QCOMPARE(pane->Text(), QStringLiteral("one two one"));
    QCOMPARE(prompts.size(), 2);
    QCOMPARE(prompts[0].selStart, 0);
    QCOMPARE(prompts[1].selStart, 8);
    for (const TPrompt& p : prompts)
      QCOMPARE(p.selText, QStringLiteral("one"));  // highlighted under the prompt
    QCOMPARE(Selection(), qMakePair(11, 0));
    QCOMPARE(window->UndoStack.Count(), 3);
  }

  // OK makes one step; "All" at its prompt turns it into a chain that still
  // asks; "All" at the next prompt replaces the rest without asking.
  void allAtTheFirstAndSecondPrompt() {
    Start("a a a a");
    answers = {"AllButton", "AllButton"};
    Replace("a", "b", {.fromCursor = false, .prompt = true}, false);
    QCOMPARE(pane->Text(), QStringLiteral("b b b b"));
    QCOMPARE(prompts.size(), 2);
    QCOMPARE(prompts[1].selStart, 2);
    QVERIFY(!replace->ReplaceAll && !replace->AllConfirmed);
  }

  // Cancel leaves the instance highlighted and ends the chain; F3 then makes
  // one step, after the highlighted instance.
  void cancelThenF3() {
    Start("one one one");
    answers = {"YesButton", "CancelButton"};
    Replace("one", "1", {.fromCursor = false, .prompt = true}, true);
    QCOMPARE(pane->Text(), QStringLiteral("1 one one"));
    QCOMPARE(Selection(), qMakePair(2, 3));
    QVERIFY(!replace->ReplaceAll && !replace->AllConfirmed);
    answers = {"YesButton"};
    F3();
    QCOMPARE(pane->Text(), QStringLiteral("1 one 1"));
    QCOMPARE(prompts.size(), 3);
    QCOMPARE(prompts[2].selStart, 6);
  }

  // Steps started one by one with F3 never take text the step before
  // inserted either.
  void f3PassesOverInsertedText() {
    Start("cat cat");
    Replace("cat", "concatenate", {.fromCursor = false}, false);
    QCOMPARE(pane->Text(), QStringLiteral("concatenate cat"));
    QCOMPARE(Selection(), qMakePair(0, 0));
    F3();
    QCOMPARE(pane->Text(), QStringLiteral("concatenate concatenate"));
    F3();
    QCOMPARE(pane->Text(), QStringLiteral("concatenate concatenate"));
    QCOMPARE(Selection(), qMakePair(23, 0));
    // Once the user moved the caret, F3 goes on from the caret.
    window->SelectText(2, 0);
    F3();
    QCOMPARE(pane->Text(), QStringLiteral("conconcatenateenate concatenate"));
  }

  void emptyReplaceBoxDropsReplaceAll() {
    Start("a a a");
    Replace("", "b", {.fromCursor = false}, true);
    QCOMPARE(window->UndoStack.Count(), 0);
    QVERIFY(!replace->ReplaceAll);
    Replace("a", "b", {.fromCursor = false}, false);
    QCOMPARE(pane->Text(), QStringLiteral("b a a"));
  }

  void replaceCaseFollowsItsOwnDialog() {
    Start("Aa aa");
    Find("x", {.caseSensitive = false});
    Replace("aa", "bb", {.caseSensitive = true, .fromCursor = false}, true);
    QCOMPARE(pane->Text(), QStringLiteral("Aa bb"));
  }

  // The prompt opens at the lower right end of the instance, or left of it
  // when it would leave the screen there.
  void promptPlacement() {
    Start("word" + QString(55, u'-') + "word");
    const QRect screen = ScreenRect();
    window->move(screen.topLeft());
    answers = {"NoButton"};
    Replace("word", "w", {.fromCursor = false, .prompt = true}, false);
    window->move(screen.right() + 1 - window->frameGeometry().width(), screen.top());
    window->SelectText(5, 0);
    answers = {"NoButton"};
    Replace("word", "w", {.prompt = true}, false);
    QCOMPARE(prompts.size(), 2);
    const int width = confirm->frameGeometry().width();
    const TPrompt& left = prompts[0];
    QCOMPARE(left.selStart, 0);
    QVERIFY(left.instance.right() + width < screen.right());
    QCOMPARE(left.pos, left.instance.bottomRight());
    const TPrompt& right = prompts[1];
    QCOMPARE(right.selStart, 59);
    QVERIFY(right.instance.right() + width > screen.right());
    QCOMPARE(right.pos, QPoint(right.instance.left() - width, right.instance.bottom()));
  }
};

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
