#include "Cascade.h"
#include "ConfirmTextReplaceUnit.h"
#include "ExceptionUnit.h"
#include "FindTextUnit.h"
#include "IniFile.h"
#include "RadioGroup.h"
#include "ReplaceTextUnit.h"
#include "SearchHistory.h"
#include "StrFcns.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

// The three dialogs on their own: captions and sizes, state kept in the
// settings file and the history files, and the chain flags.
class TestSearchDialogs : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> home;
  std::unique_ptr<TIniFile> ini;
  QStringList reports;

  // Acts on the dialog once its modal loop runs.
  static void WhenShown(QDialog* dialog, std::function<void()> act) {
    QTimer::singleShot(0, dialog, [dialog, act] {
      QVERIFY(dialog->isVisible());
      act();
    });
  }
  QString Home(const QString& name) const { return home->filePath(name); }
  QString Key(const QString& section, const QString& key) { return ini->ReadString(section, key, "<missing>"); }

  static QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
      items << box->itemText(i);
    return items;
  }

  // Every control lies inside the client area, and inside its group.
  static void CheckFits(const QWidget* dialog) {
    for (const QWidget* w : dialog->findChildren<QWidget*>()) {
      if (w->parentWidget() == dialog || qobject_cast<QGroupBox*>(w->parentWidget()))
        QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), qPrintable(w->objectName()));
    }
  }

private Q_SLOTS:
  void init() {
    home = std::make_unique<QTemporaryDir>();
    SetHomeDir(home->path());
    ini = std::make_unique<TIniFile>(Home("Quillsweep.ini"));
    reports.clear();
    SetFinalReporter([this](const QString& r) { reports << r; });
  }

  void captionsAndSizes() {
    TFindTextDialog find;
    QCOMPARE(find.windowTitle(), QStringLiteral("Find Text"));
    QCOMPARE(find.size(), QSize(330, 149));
    QCOMPARE(find.Label1->text(), QStringLiteral("Find Text"));
    QCOMPARE(find.GroupBox1->title(), QStringLiteral("Options"));
    QCOMPARE(find.CaseSensitiveCheckBox->text(), QStringLiteral("Case sensitive"));
    QCOMPARE(find.WholeWordsCheckBox->text(), QStringLiteral("Whole words only"));
    QCOMPARE(find.Direction->title(), QStringLiteral("Direction"));
    QCOMPARE(find.Origin->title(), QStringLiteral("Origin"));
    const auto captions = [](const QWidget* group) {
      QStringList texts;
      for (const QRadioButton* b : group->findChildren<QRadioButton*>())
        texts << b->text();
      return texts;
    };
    QCOMPARE(captions(find.Direction), QStringList({"Up", "Down"}));
    QCOMPARE(captions(find.Origin), QStringList({"From cursor", "Entire scope"}));
    QCOMPARE(find.OkButton->text(), QStringLiteral("OK"));
    QCOMPARE(find.CancelButton->text(), QStringLiteral("Cancel"));
    CheckFits(&find);

    TReplaceTextDialog replace;
    QCOMPARE(replace.windowTitle(), QStringLiteral("Replace Text"));
    QCOMPARE(replace.size(), QSize(331, 198));
    QCOMPARE(replace.Label1->text(), QStringLiteral("Text to find"));
    QCOMPARE(replace.Label2->text(), QStringLiteral("Replace with"));
    QCOMPARE(replace.PromptCheckBox->text(), QStringLiteral("Prompt on replace"));
    QCOMPARE(replace.PromptCheckBox->parentWidget(), replace.GroupBox1);
    QCOMPARE(replace.ReplaceAllButton->text(), QStringLiteral("Replace All"));
    QCOMPARE(replace.CancelButton->text(), QStringLiteral("Cancel"));
    CheckFits(&replace);

    TConfirmTextReplaceDialog confirm(replace);
    QCOMPARE(replace.ConfirmDialog, &confirm);
    QCOMPARE(confirm.windowTitle(), QStringLiteral("Confirm Text Replacement"));
    QCOMPARE(confirm.size(), QSize(266, 66));
    QCOMPARE(confirm.Label1->text(), QStringLiteral("Replace the highlighted instance ?"));
    QStringList buttons;
    for (const QPushButton* b : {confirm.AllButton, confirm.YesButton, confirm.NoButton, confirm.CancelButton})
      buttons << b->text();
    QCOMPARE(buttons, QStringList({"&All", "&Yes", "&No", "&Cancel"}));
    QVERIFY(confirm.AllButton->x() < confirm.YesButton->x() && confirm.YesButton->x() < confirm.NoButton->x() &&
            confirm.NoButton->x() < confirm.CancelButton->x());
    QVERIFY(confirm.windowFlags() & Qt::WindowStaysOnTopHint);
    CheckFits(&confirm);
  }

  void findStateLoadsOnShowAndSavesOnOk() {
    SaveHistory(Home("FindTextDialog.txt"), {"one", "two"});
    ini->WriteString("FindTextDialog", "SearchStr", "two");
    ini->WriteBool("FindTextDialog", "CaseSensitive", true);
    ini->WriteBool("FindTextDialog", "SearchDown", false);
    TFindTextDialog find;
    WhenShown(&find, [&] {
      QCOMPARE(Items(find.ComboBox1), QStringList({"one", "two"}));
      QCOMPARE(find.GetSearchStr(), QStringLiteral("two"));  // the stored text, not the first entry
      QVERIFY(find.GetCaseSensitive() && !find.GetWholeWordsOnly() && !find.GetSearchDown() &&
              find.GetSearchFromCursor());
      QCOMPARE(FormCascade().Top(), &find);
      find.SetSearchStr("three");
      find.SetWholeWordsOnly(true);
      find.SetSearchFromCursor(false);
      QTest::mouseClick(find.OkButton, Qt::LeftButton);
    });
    QVERIFY(find.Execute(*ini));
    QCOMPARE(FormCascade().Top(), nullptr);
    QCOMPARE(LoadHistory(Home("FindTextDialog.txt")), QStringList({"three", "one", "two"}));
    QCOMPARE(Key("FindTextDialog", "SearchStr"), QStringLiteral("three"));
    QCOMPARE(Key("FindTextDialog", "CaseSensitive"), QStringLiteral("1"));
    QCOMPARE(Key("FindTextDialog", "WholeWords"), QStringLiteral("1"));
    QCOMPARE(Key("FindTextDialog", "SearchFromCursor"), QStringLiteral("0"));
    QCOMPARE(Key("FindTextDialog", "SearchDown"), QStringLiteral("0"));
    QVERIFY(reports.isEmpty());
  }

  // Cancel and the close box keep the options and the typed text for the
  // next opening, but the history does not gain the text.
  void cancelSavesStateButNotHistory_data() {
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Cancel") << false;
    QTest::newRow("close box") << true;
  }
  void cancelSavesStateButNotHistory() {
    QFETCH(bool, closeBox);
    TFindTextDialog find;
    WhenShown(&find, [&] {
      QCOMPARE(find.GetSearchStr(), QString());  // defaults of a first start
      QVERIFY(find.GetSearchDown() && find.GetSearchFromCursor() && !find.GetCaseSensitive());
      find.SetSearchStr("typed");
      if (closeBox)
        find.close();
      else
        QTest::mouseClick(find.CancelButton, Qt::LeftButton);
    });
    QVERIFY(!find.Execute(*ini));
    QCOMPARE(Key("FindTextDialog", "SearchStr"), QStringLiteral("typed"));
    QCOMPARE(LoadHistory(Home("FindTextDialog.txt")), QStringList());
    WhenShown(&find, [&] {
      QCOMPARE(find.GetSearchStr(), QStringLiteral("typed"));
      find.reject();
    });
    find.Execute(*ini);
  }

  void replaceOkAddsBothHistoriesReplaceAllNeither() {
    TReplaceTextDialog replace;
    WhenShown(&replace, [&] {
      replace.SetSearchStr("cat");
      replace.SetReplaceStr("dog");
      replace.SetPromptOnReplace(true);
      QTest::mouseClick(replace.OkButton, Qt::LeftButton);
    });
    QVERIFY(replace.Execute(*ini));
    QVERIFY(!replace.ReplaceAll);
    QCOMPARE(LoadHistory(Home("ReplaceTextDialog-SearchStrs.txt")), QStringList({"cat"}));
    QCOMPARE(LoadHistory(Home("ReplaceTextDialog-ReplaceStrs.txt")), QStringList({"dog"}));
    QCOMPARE(Key("ReplaceTextDialog", "ReplaceStr"), QStringLiteral("dog"));
    QCOMPARE(Key("ReplaceTextDialog", "PromptOnReplace"), QStringLiteral("1"));

    WhenShown(&replace, [&] {
      QCOMPARE(replace.GetReplaceStr(), QStringLiteral("dog"));
      QVERIFY(replace.GetPromptOnReplace());
      replace.SetSearchStr("bird");
      replace.SetReplaceStr("fish");
      QTest::mouseClick(replace.ReplaceAllButton, Qt::LeftButton);
    });
    QVERIFY(replace.Execute(*ini));
    QVERIFY(replace.ReplaceAll);
    QCOMPARE(LoadHistory(Home("ReplaceTextDialog-SearchStrs.txt")), QStringList({"cat"}));
    QCOMPARE(LoadHistory(Home("ReplaceTextDialog-ReplaceStrs.txt")), QStringList({"dog"}));
    QCOMPARE(Key("ReplaceTextDialog", "SearchStr"), QStringLiteral("bird"));
    QCOMPARE(Key("ReplaceTextDialog", "ReplaceStr"), QStringLiteral("fish"));
  }

  // A history file that cannot be read or written is reported, and the
  // dialog still opens and closes with its result.
  void unwritableHistoryIsReported() {
    QVERIFY(QDir(home->path()).mkdir("FindTextDialog.txt"));
    TFindTextDialog find;
    WhenShown(&find, [&] {
      find.SetSearchStr("x");
      QTest::mouseClick(find.OkButton, Qt::LeftButton);
    });
    QVERIFY(find.Execute(*ini));
    QCOMPARE(reports.size(), 2);
    QVERIFY(reports[0].startsWith("FindTextDialog.FormShow\r\n"));
    QVERIFY(reports[0].contains("Unable to read "));
    QVERIFY(reports[1].startsWith("FindTextDialog.FormClose\r\n"));
    QVERIFY(reports[1].contains("Unable to write to "));
    QVERIFY(!find.isVisible());
    QCOMPARE(FormCascade().Top(), nullptr);
  }

  void pastedLineBreaksEndTheText() {
    TReplaceTextDialog replace;
    replace.SetSearchStr("first\r\nsecond");
    replace.SetReplaceStr("one\ntwo");
    QCOMPARE(replace.GetSearchStr(), QStringLiteral("first"));
    QCOMPARE(replace.GetReplaceStr(), QStringLiteral("one"));
  }

  void confirmButtonsSetTheFlags_data() {
    QTest::addColumn<QString>("button");  // object name, or "close" for the close box
    QTest::addColumn<bool>("replaceAllBefore");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("replaceAll");
    QTest::addColumn<bool>("allConfirmed");
    QTest::newRow("All after OK turns it into a chain")
        << "AllButton" << false << int(QMessageBox::Yes) << true << false;
    QTest::newRow("All in a chain confirms the rest")
        << "AllButton" << true << int(QMessageBox::Yes) << true << true;
    QTest::newRow("Yes") << "YesButton" << true << int(QMessageBox::Yes) << true << false;
    QTest::newRow("No keeps the chain going") << "NoButton" << true << int(QMessageBox::No) << true << false;
    QTest::newRow("Cancel ends the chain") << "CancelButton" << true << int(QMessageBox::Cancel) << false << false;
    QTest::newRow("the close box ends the chain") << "close" << true << int(QMessageBox::Cancel) << false << false;
  }
  void confirmButtonsSetTheFlags() {
    QFETCH(QString, button);
    QFETCH(bool, replaceAllBefore);
    QFETCH(int, result);
    QFETCH(bool, replaceAll);
    QFETCH(bool, allConfirmed);
    TReplaceTextDialog replace;
    TConfirmTextReplaceDialog confirm(replace);
    replace.ReplaceAll = replaceAllBefore;
    WhenShown(&confirm, [&] {
      QCOMPARE(confirm.pos(), QPoint(120, 80));
      if (button == "close")
        confirm.close();
      else
        QTest::mouseClick(confirm.findChild<QPushButton*>(button), Qt::LeftButton);
    });
    QCOMPARE(int(confirm.ShowModal(120, 80)), result);
    QCOMPARE(replace.ReplaceAll, replaceAll);
    QCOMPARE(replace.AllConfirmed, allConfirmed);
  }
};

QTEST_MAIN(TestSearchDialogs)
#include "tst_searchdialogs.moc"
