#include "EditPane.h"
#include "MainUnit.h"
#include "StrFcns.h"

#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

// The scope protocol against the real edit pane.
class TestScope : public QObject {
  Q_OBJECT

  QTemporaryDir home;
  TMainWindow* window = nullptr;
  TEditPane* pane = nullptr;

  // An operation that leaves the lines as they are.
  void RunIdentity() {
    window->SaveSelTextVals();
    window->RestoreSelTextVals();
  }

private Q_SLOTS:
  void initTestCase() { SetHomeDir(home.path()); }
  void init() {
    window = new TMainWindow;
    window->show();
    pane = window->EditPane;
  }
  void cleanup() { delete window; }

  void offsetsCountCrLfAsTwo() {
    pane->SetText("ab\r\ncd\r\nef");
    QCOMPARE(pane->Text(), QStringLiteral("ab\r\ncd\r\nef"));
    QCOMPARE(pane->TextLength(), 10);
    window->SelectText(4, 5);
    QCOMPARE(pane->SelStart(), 4);
    QCOMPARE(pane->SelLength(), 5);
    QCOMPARE(pane->SelText(), QStringLiteral("cd\r\ne"));
    window->SelectText(3, 1);  // inside a line break: the caret stands at the line's end
    QCOMPARE(pane->SelStart(), 2);
  }

  void paneNormalisesBreaksAndKeepsSpecialCharacters() {
    const QString text = QString("a\nb\rc") + QChar(0xA0) + "d";
    pane->SetText(text);
    QCOMPARE(pane->Text(), QString("a\r\nb\r\nc") + QChar(0xA0) + "d");
  }

  void settingSameTextKeepsSelection() {
    pane->SetText("abc\r\n");
    window->SelectText(1, 2);
    pane->SetText("abc\r\n");
    QCOMPARE(pane->SelStart(), 1);
    QCOMPARE(pane->SelLength(), 2);
    pane->SetText("abd\r\n");
    QCOMPARE(pane->SelStart(), 0);
    QCOMPARE(pane->SelLength(), 0);
  }

  void selectionInsideLineGainsABreak() {
    pane->SetText("abcdef\r\n");
    window->SelectText(2, 2);
    QVERIFY(window->SelTextButton->isChecked());
    RunIdentity();
    QCOMPARE(pane->Text(), QStringLiteral("abcd\r\nef\r\n"));
    QCOMPARE(pane->SelStart(), 2);
    QCOMPARE(pane->SelLength(), 4);
    QVERIFY(window->SelTextButton->isChecked());
  }

  void selectionOfWholeLinesKeepsItsLines() {
    pane->SetText("a\r\nb\r\nc\r\n");
    window->SelectText(3, 3);
    RunIdentity();
    QCOMPARE(pane->Text(), QStringLiteral("a\r\nb\r\nc\r\n"));
    QCOMPARE(pane->SelText(), QStringLiteral("b\r\n"));
  }

  void allTextGainsFinalBreakAndCaretGoesHome() {
    pane->SetText("one\r\ntwo");
    window->SelectText(5, 0);
    QVERIFY(window->AllTextButton->isChecked());
    QVERIFY(!window->SelTextButton->isEnabled());
    RunIdentity();
    QCOMPARE(pane->Text(), QStringLiteral("one\r\ntwo\r\n"));
    QCOMPARE(pane->SelStart(), 0);
  }

  void allTextUnchangedLeavesSelection() {
    pane->SetText("one\r\ntwo\r\n");
    window->SelectText(1, 2);
    window->AllTextButton->click();  // the user picks "All Text" over a selection
    RunIdentity();
    QCOMPARE(pane->SelStart(), 1);
    QCOMPARE(pane->SelLength(), 2);
    QVERIFY(window->SelTextButton->isChecked());  // the buttons follow the selection again
  }

  void allTextChosenOverSelectionProcessesEverything() {
    pane->SetText("one\r\ntwo\r\n");
    window->SelectText(0, 3);
    window->AllTextButton->click();
    window->SaveSelTextVals();
    QCOMPARE(window->TempStrs, QStringList({"one", "two"}));
    window->TempStrs = {"ONE", "TWO"};
    window->RestoreSelTextVals();
    QCOMPARE(pane->Text(), QStringLiteral("ONE\r\nTWO\r\n"));
    QCOMPARE(pane->SelStart(), 0);
    QVERIFY(window->AllTextButton->isChecked());
  }

  void emptyResultFallsBackToAllText() {
    pane->SetText("a\r\n  \r\n\r\nb\r\n");
    window->SelectText(3, 6);
    window->SaveSelTextVals();
    QCOMPARE(window->TempStrs, QStringList({"  ", ""}));
    window->TempStrs.clear();
    window->RestoreSelTextVals();
    QCOMPARE(pane->Text(), QStringLiteral("a\r\nb\r\n"));
    QVERIFY(window->AllTextButton->isChecked());
    QVERIFY(!window->SelTextButton->isEnabled());
  }

  void selectionReachingTextEnd() {
    pane->SetText("ab\r\ncd");
    window->SelectText(4, 100);  // clamped to the end
    QCOMPARE(pane->SelText(), QStringLiteral("cd"));
    RunIdentity();
    QCOMPARE(pane->Text(), QStringLiteral("ab\r\ncd\r\n"));
    QCOMPARE(pane->SelText(), QStringLiteral("cd\r\n"));
  }

  void boundsRectLiesLeftOfCaret() {
    pane->SetText("hello world\r\n");
    window->SelectText(6, 5);
    const QRect r = window->SelTextBoundsRect();
    const QFontMetrics metrics(pane->font());
    QCOMPARE(r.right() - r.left(), metrics.horizontalAdvance("world"));
    QCOMPARE(r.bottom() - r.top(), metrics.height());
    QCOMPARE(r.bottomRight(), pane->viewport()->mapToGlobal(pane->CaretPos() + QPoint(0, metrics.height())));
  }
};

QTEST_MAIN(TestScope)
#include "tst_scope.moc"
