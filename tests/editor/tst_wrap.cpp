#include "EditPane.h"
#include "ExceptionUnit.h"
#include "IniFile.h"
#include "ListWrapDialog.h"
#include "MainUnit.h"
#include "StrFcns.h"
#include "TextModel.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// Word wrap, the List Detected dialog and indentation in the running editor.
class TestWrap : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> home;
  TMainWindow* window = nullptr;
  TListWrapDialog* dialog = nullptr;
  TEditPane* pane = nullptr;
  QStringList reports;

  QString NumberedList() {
    static const char* const items[] = {"apples and pears from the market", "bread", "milk", "eggs",
                                        "cheese", "tea", "rice", "salt", "soap", "jam", "oil", "figs"};
    QStringList lines{"My list:"};
    int number = 0;
    for (const char* item : items)
      lines << QString("%1. %2").arg(++number).arg(item);
    return JoinLines(lines);
  }

  // Answers the dialog once it is on screen, after `look` has seen it.
  void AnswerDialog(bool yes, std::function<void()> look = {}) {
    QTimer::singleShot(0, this, [this, yes, look] {
      QTRY_VERIFY(dialog->isVisible());
      if (look)
        look();
      (yes ? dialog->YesButton : dialog->NoButton)->click();
    });
  }

private Q_SLOTS:
  void init() {
    home = std::make_unique<QTemporaryDir>();
    SetHomeDir(home->path());
    reports.clear();
    SetFinalReporter([this](const QString& r) { reports << r; });
    window = new TMainWindow;
    dialog = new TListWrapDialog(window);
    window->ListWrapDialog = dialog;
    window->show();
    pane = window->EditPane;
  }
  void cleanup() {
    delete window;
    QVERIFY2(reports.isEmpty(), qPrintable(reports.join("\n")));
  }

  void sampleMessageReflowsInOneUndoStep() {
    const QString original = pane->Text();
    window->ApplyWordWrapButton->click();
    const QStringList lines = SplitLines(pane->Text());
    QCOMPARE(lines.first(), QStringLiteral("Quillsweep is a utility designed to facilitate the cleaning of "));
    for (const QString& line : lines)
      QVERIFY2(line.size() <= 65, qPrintable(line));
    QVERIFY(!pane->Text().contains('>'));
    QCOMPARE(window->UndoStack.Count(), 1);
    window->UndoMenuItem->trigger();
    QCOMPARE(pane->Text(), original);
  }

  void confirmedListIsPaddedAndHangs() {
    pane->SetText(NumberedList());
    window->WrapScroll->setValue(20);
    AnswerDialog(true, [this] {
      QCOMPARE(dialog->Label1->text(), QStringLiteral("The text that you want to wrap seems to contain a numbered list. "));
      QCOMPARE(dialog->ListBulletLabel->text(), QStringLiteral("12. "));
      QCOMPARE(dialog->ScrollBar1->value(), 4);
      QCOMPARE(dialog->ListIndentLabel->text(), QStringLiteral("4 spaces"));
      QVERIFY(dialog->BlankLineBetweenListItemsCheckBox->isChecked());
      dialog->ScrollBar1->setValue(1);
      QCOMPARE(dialog->ListIndentLabel->text(), QStringLiteral("1 space"));
      dialog->ScrollBar1->setValue(0);
      QCOMPARE(dialog->ListIndentLabel->text(), QStringLiteral("0 spaces"));
      dialog->ScrollBar1->setValue(4);
    });
    window->ApplyWordWrapButton->click();
    const QStringList lines = SplitLines(pane->Text());
    QCOMPARE(lines.mid(0, 7),
             QStringList({"My list: ", "", "1.  apples and ", "    pears from the ", "    market ", "", "2.  bread "}));
    QCOMPARE(lines.last(), QStringLiteral("12. figs "));
  }

  void listAnsweredNoRunsTogether() {
    pane->SetText(NumberedList());
    AnswerDialog(false);
    window->ApplyWordWrapButton->click();
    QVERIFY(SplitLines(pane->Text()).first().startsWith("My list: 1. apples and pears from the market 2. bread"));
  }

  void blankLineChoiceIsKept() {
    pane->SetText(NumberedList());
    AnswerDialog(false, [this] { dialog->BlankLineBetweenListItemsCheckBox->click(); });
    window->ApplyWordWrapButton->click();
    QCOMPARE(TIniFile(home->filePath("Quillsweep.ini")).ReadString("ListFormat", "BlankLine", "?"), QStringLiteral("0"));
  }

  void indentationAddsPrefixAndBlankLine() {
    pane->SetText("> > one two three\r\n> four\r\n");
    window->GTIndentButton->setChecked(true);
    window->IndentScroll->setValue(3);
    window->ApplyIndentButton->click();
    QCOMPARE(pane->Text(), QStringLiteral("\r\n>>> one two three four \r\n"));
    window->OtherIndentButton->setChecked(true);
    window->OtherCharEdit->setText("");  // an empty "Other" indents with spaces
    window->PadIndentCheckBox->setChecked(false);
    window->InsertBlankLineCheckBox->setChecked(false);
    window->IndentScroll->setValue(2);
    window->ApplyIndentButton->click();
    QCOMPARE(pane->Text(), QStringLiteral("  one two three four \r\n"));
  }

  void mouseSelectionSetsIndentDepth() {
    pane->SetText("> > a\r\n>>>> b\r\nc\r\n");
    window->SelectText(0, 14);
    QTest::mouseRelease(pane->viewport(), Qt::RightButton, {}, QPoint(1, 1));
    QCOMPARE(window->IndentScroll->value(), 4);
    QCOMPARE(window->IndentDepthLabel->text(), QStringLiteral("Indent depth : 4 chars"));
    window->SelectText(7, 3);  // within one line: the depth stays
    QTest::mouseRelease(pane->viewport(), Qt::RightButton, {}, QPoint(1, 1));
    QCOMPARE(window->IndentScroll->value(), 4);
  }

  void insertParagraphSplitsAtTheWord() {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    pane->SetText("hello world");
    window->SelectText(8, 0);
    QTest::keyClick(pane, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(pane->Text(), QStringLiteral("hello \r\n\r\n    world"));
    QCOMPARE(pane->SelStart(), 6);
    QCOMPARE(window->UndoStack.Count(), 1);
  }

  void pitchFollowsTheFont() {
    QCOMPARE(window->FontPitchLabel->text(), QStringLiteral("Font pitch : Fixed"));
    QFont variable("DejaVu Sans");
    variable.setPointSize(9);
    pane->setFont(variable);
    window->UpdateFontPitchLabel();
    QCOMPARE(window->FontPitchLabel->text(), QStringLiteral("Font pitch : Variable"));
    QCOMPARE(window->WrapAtLabel->text(), QStringLiteral("Wrap @ 65 'x's"));
    // Paragraphs now indent by 8 spaces.
    pane->SetText("first\r\n\r\nsecond\r\n");
    window->PBLCheckBox->setChecked(true);
    window->IndentParagraphsCheckBox->setChecked(true);
    window->ApplyWordWrapButton->click();
    QCOMPARE(pane->Text(), QStringLiteral("        first \r\n        \r\n        second \r\n"));
  }
};

QTEST_MAIN(TestWrap)
#include "tst_wrap.moc"
