#include "EditPane.h"
#include "ExceptionUnit.h"
#include "Footer.h"
#include "IniFile.h"
#include "MainUnit.h"
#include "StrFcns.h"
#include "TextModel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The editor's shell in the running main window: undo, clipboard, settings,
// files and stripping.
class TestShell : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> home;
  TMainWindow* window = nullptr;
  TEditPane* pane = nullptr;
  QStringList reports;

  QString IniPath() const { return home->filePath("Quillsweep.ini"); }
  void WriteIni(const QByteArray& content) {
    QFile f(IniPath());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
  }
  QString ReadIni(const QString& section, const QString& key) {
    TIniFile ini(IniPath());
    return ini.ReadString(section, key, "<missing>");
  }
  void Start() {
    window = new TMainWindow;
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    pane = window->EditPane;
  }
  void ClickPaneAt(int offset) {
    window->SelectText(offset, 0);
    QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, pane->cursorRect().center());
  }

private Q_SLOTS:
  void init() {
    home = std::make_unique<QTemporaryDir>();
    SetHomeDir(home->path());
    reports.clear();
    SetFinalReporter([this](const QString& r) { reports << r; });
  }
  void cleanup() {
    delete window;
    window = nullptr;
  }

  void firstStartDefaults() {
    Start();
    QVERIFY(window->CharStrippingPanel->isVisible());
    QVERIFY(!window->WordWrapPanel->isVisible());
    QVERIFY(!window->IndentationPanel->isVisible());
    QVERIFY(window->RGTCheckBox->isChecked() && window->RDBLCheckBox->isChecked() && window->RLSCheckBox->isChecked() &&
            window->RTSCheckBox->isChecked() && window->RDSCheckBox->isChecked());
    QVERIFY(!window->RBLCheckBox->isChecked() && !window->RCRCheckBox->isChecked());
    QCOMPARE(window->WrapScroll->value(), 65);
    QCOMPARE(window->GetIndentWith(), 0);
    QCOMPARE(window->IndentScroll->value(), 1);
    QCOMPARE(window->OtherCharEdit->text(), QStringLiteral("|"));
    QVERIFY(window->PadIndentCheckBox->isChecked() && window->InsertBlankLineCheckBox->isChecked());
    QVERIFY(window->HorzScrollCheckBox->isChecked());
    QCOMPARE(pane->font().family(), QStringLiteral("Courier New"));
    QCOMPARE(pane->font().pointSize(), 8);
    QCOMPARE(window->FontPitchLabel->text(), QStringLiteral("Font pitch : Fixed"));
    QCOMPARE(window->WrapAtLabel->text(), QStringLiteral("Wrap @ 65 chars"));
    QCOMPARE(SplitLines(pane->Text()).size(), 31);
    // Reading the wrap column wrote it back: the file exists before any close.
    QCOMPARE(ReadIni("Options", "WrapColumn"), QStringLiteral("65"));
    QVERIFY(reports.isEmpty());
  }

  void storedOptionsAreReadAndNormalised_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<int>("wrap");
    QTest::newRow("out of range clamps and is written back") << QByteArray("[Options]\r\nWrapColumn=500\r\n") << 100;
    QTest::newRow("hexadecimal") << QByteArray("[options]\r\nwrapcolumn=0x20\r\n") << 32;
    QTest::newRow("letters give the default") << QByteArray("[Options]\r\nWrapColumn=abc\r\n") << 65;
  }
  void storedOptionsAreReadAndNormalised() {
    QFETCH(QByteArray, ini);
    QFETCH(int, wrap);
    WriteIni(ini);
    Start();
    QCOMPARE(window->WrapScroll->value(), wrap);
    QCOMPARE(ReadIni("Options", "WrapColumn"), QString::number(wrap));
  }

  void closeWritesOptionsBack() {
    WriteIni("[Options]\r\nIndentWith=7\r\nOtherIndentChar= \r\nWordWrapMode=1\r\nCharStrippingMode=0\r\n"
             "[Font]\r\nBold=1\r\nSize=10\r\n");
    Start();
    QVERIFY(window->SPIndentButton->isChecked());
    QCOMPARE(window->OtherCharEdit->text(), QString());
    QVERIFY(window->WordWrapPanel->isVisible() && !window->CharStrippingPanel->isVisible());
    QVERIFY(pane->font().bold());
    QCOMPARE(pane->font().pointSize(), 10);
    window->RCRCheckBox->setChecked(true);
    window->close();
    QCOMPARE(ReadIni("Options", "IndentWith"), QStringLiteral("0"));
    QCOMPARE(ReadIni("Options", "RCRCheckBox"), QStringLiteral("1"));
    QCOMPARE(ReadIni("Options", "WordWrapMode"), QStringLiteral("1"));
    QCOMPARE(ReadIni("Options", "CharStrippingMode"), QStringLiteral("0"));
    QCOMPARE(ReadIni("Options", "OtherIndentChar"), QString());
  }

  void unwritableSettingsAreReported() {
    // The settings file's place is taken by a directory: no write can succeed.
    QVERIFY(QDir(home->path()).mkdir("Quillsweep.ini"));
    Start();
    QCOMPARE(reports.size(), 1);
    QVERIFY(reports[0].startsWith("TMainWindow.WrapScrollChange\r\n"));
    QVERIFY(reports[0].contains("Unable to write to " + IniPath()));
  }

  void undoFollowsClicksAndTyping() {
    Start();
    QVERIFY(!window->UndoMenuItem->isEnabled() && !window->UndoPopUpMenuItem->isEnabled());
    const QString original = pane->Text();
    ClickPaneAt(3);
    QVERIFY(window->UndoMenuItem->isEnabled() && window->UndoPopUpMenuItem->isEnabled());
    ClickPaneAt(10);
    QTest::keyClicks(pane, "XY");
    QCOMPARE(pane->Text(), original.left(10) + "XY" + original.mid(10));
    QTest::keyClick(pane, Qt::Key_Z, Qt::ControlModifier);  // by habit
    QCOMPARE(pane->Text(), original);
    QCOMPARE(pane->SelStart(), 10);
    window->UndoMenuItem->trigger();
    QCOMPARE(pane->Text(), original);
    QCOMPARE(pane->SelStart(), 3);
    QVERIFY(!window->UndoMenuItem->isEnabled() && !window->UndoPopUpMenuItem->isEnabled());
  }

  void copyAllAppendsFooterAndKeepsSelection() {
    Start();
    pane->SetText("one line");
    window->SelectText(2, 3);
    QTest::keyClick(pane, Qt::Key_F5);
    const QString line2 = "This message has been cleaned by Quillsweep.exe v2.06";
    QCOMPARE(line2.size(), 53);
    QVERIFY(FooterURL().size() < 53);
    const QString dashes(53, u'-');
    QCOMPARE(QApplication::clipboard()->text(),
             "one line\r\n" + dashes + "\r\n" + line2 + "\r\n" + FooterURL() + "\r\n" + dashes + "\r\n");
    QCOMPARE(pane->Text(), QStringLiteral("one line"));
    QCOMPARE(pane->SelStart(), 2);
    QCOMPARE(pane->SelLength(), 3);
    pane->SetText("");
    QTest::keyClick(pane, Qt::Key_F5);
    QCOMPARE(QApplication::clipboard()->text(), "\r\n" + FooterStr());
  }

  void pasteReplacesEveryTab() {
    Start();
    pane->SetText("a\tb\r\n");
    window->SelectText(5, 0);
    QApplication::clipboard()->setText("c\td");
    QTest::keyClick(pane, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(pane->Text(), QStringLiteral("a b\r\nc d"));
    QCOMPARE(pane->SelStart(), 0);
  }

  void pasteAllClearsHistory() {
    Start();
    ClickPaneAt(1);
    QApplication::clipboard()->setText("line one\nline two");
    QTest::keyClick(pane, Qt::Key_F4);
    QCOMPARE(pane->Text(), QStringLiteral("line one\r\nline two"));
    QVERIFY(!window->UndoMenuItem->isEnabled());
    QVERIFY(window->UndoStack.IsEmpty());
  }

  void clipboardItemsFollowSelectionAndClipboard() {
    Start();
    window->SelectText(0, 0);
    QVERIFY(!window->CutMenuItem->isEnabled() && !window->CopyMenuItem->isEnabled());
    window->SelectText(0, 4);
    QVERIFY(window->CutMenuItem->isEnabled() && window->CopyMenuItem->isEnabled());
    auto* image = new QMimeData;
    image->setData("image/png", "\x89PNG");
    QApplication::clipboard()->setMimeData(image);
    QVERIFY(!window->PasteMenuItem->isEnabled() && !window->PasteAllMenuItem->isEnabled());
    QApplication::clipboard()->setText("x");
    QVERIFY(window->PasteMenuItem->isEnabled() && window->PasteAllMenuItem->isEnabled());
  }

  void allSelectedItemsCleansSampleInOneUndoStep() {
    Start();
    const QString original = pane->Text();
    window->AllSelectedItemsButton->click();
    const QStringList lines = SplitLines(pane->Text());
    QCOMPARE(lines.size(), 31);
    QCOMPARE(lines[0], QStringLiteral("Quillsweep is a utility designed to"));
    QCOMPARE(lines[10], QStringLiteral("that"));
    QCOMPARE(lines[15], QString());
    QCOMPARE(window->UndoStack.Count(), 1);
    window->UndoMenuItem->trigger();
    QCOMPARE(pane->Text(), original);
  }

  void emptiedSelectionFallsBackToAllText() {
    Start();
    const QString before = ">a  \r\n\r\n   \r\n>b  \r\n";
    pane->SetText(before);
    window->RBLCheckBox->setChecked(true);
    window->SelectText(6, 7);  // the two blank lines
    window->AllSelectedItemsButton->click();
    // The blank lines went, then the later steps cleaned the whole text.
    QCOMPARE(pane->Text(), QStringLiteral(">a\r\n>b\r\n"));
    QVERIFY(window->AllTextButton->isChecked());
    window->UndoMenuItem->trigger();
    QCOMPARE(pane->Text(), before);
    QVERIFY(window->SelTextButton->isChecked());
  }

  void preserveBlankLinesKeepsThemInTheSequence() {
    Start();
    pane->SetText("a\r\n\r\nb\r\n");
    window->RBLCheckBox->setChecked(true);
    window->PBLCheckBox->setChecked(true);
    QCOMPARE(ReadIni("Options", "PreserveBlankLines"), QStringLiteral("1"));
    window->AllSelectedItemsButton->click();
    QCOMPARE(pane->Text(), QStringLiteral("a\r\n\r\nb\r\n"));
    window->RBLButton->click();  // the single button does not look at it
    QCOMPARE(pane->Text(), QStringLiteral("a\r\nb\r\n"));
  }

  void fileRoundTrips_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("CR LF, no final break") << QByteArray("a\r\nb") << "a\r\nb" << QByteArray("a\r\nb");
    QTest::newRow("LF only") << QByteArray("a\nb\n") << "a\r\nb\r\n" << QByteArray("a\r\nb\r\n");
    QTest::newRow("Latin-1") << QByteArray("caf\xe9\r\n") << QString("caf") + QChar(0xE9) + "\r\n"
                             << QByteArray("caf\xe9\r\n");
    QTest::newRow("UTF-8") << QByteArray("caf\xc3\xa9") << QString("caf") + QChar(0xE9) << QByteArray("caf\xc3\xa9");
  }
  void fileRoundTrips() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QFETCH(QByteArray, saved);
    Start();
    QDir(home->path()).mkdir("docs");
    const QString in = home->filePath("docs/in.txt"), out = home->filePath("docs/out.txt");
    QFile f(in);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    window->OpenFile(in);
    QCOMPARE(pane->Text(), shown);
    QCOMPARE(window->CurrentFileName, in);
    QCOMPARE(ReadIni("Options", "FileDir"), home->filePath("docs"));
    window->SaveFile(out);
    QFile g(out);
    QVERIFY(g.open(QIODevice::ReadOnly));
    QCOMPARE(g.readAll(), saved);
  }

  void fileEndingAtNulIsShownWithAWarning() {
    Start();
    const QString in = home->filePath("nul.txt");
    QFile f(in);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("ab\0cd", 5));
    f.close();
    bool warned = false;
    QTimer::singleShot(0, this, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box);
      warned = box->text().contains("NUL");
      box->accept();
    });
    window->OpenFile(in);
    QVERIFY(warned);
    QCOMPARE(pane->Text(), QStringLiteral("ab"));
  }

  void unreadableFileKeepsPaneText() {
    Start();
    const QString before = pane->Text();
    const QString missing = home->filePath("nowhere/missing.txt");
    QVERIFY_THROWS_EXCEPTION(TError, window->OpenFile(missing));
    QCOMPARE(pane->Text(), before);
    QCOMPARE(window->CurrentFileName, missing);  // a later Save proposes it
    QCOMPARE(ReadIni("Options", "FileDir"), QStringLiteral("<missing>"));
  }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
