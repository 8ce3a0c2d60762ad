#include "ExceptionUnit.h"
#include "ScreenRect.h"
#include "StrFcns.h"
#include "SysErrLog.h"
#include "SysErrWindow.h"

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <cmath>

namespace {

QPoint Centred(QSize size) {
  const QRect screen = ScreenRect();
  return screen.topLeft() + QPoint((screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2);
}

}  // namespace

class TestSysErrWindow : public QObject {
  Q_OBJECT

  QTemporaryDir home;
  std::unique_ptr<TSysErrorWindow> window;
  std::unique_ptr<TSysErrorLog> log;

  QLabel* Label() const { return window->findChild<QLabel*>("ErrMsgLabel"); }
  QPushButton* Button(const char* name) const { return window->findChild<QPushButton*>(name); }
  QPlainTextEdit* Memo() const { return log->findChild<QPlainTextEdit*>("Memo1"); }

  // Runs `action`, which is expected to open one modal message box; closes
  // the box and returns its text.
  template <class Action>
  QString ModalText(Action action) {
    QString text;
    QTimer timer;
    connect(&timer, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        text = box->text();
        box->accept();
      }
    });
    timer.start(10);
    action();
    return text;
  }

private Q_SLOTS:
  void init() {
    QVERIFY(home.isValid());
    QFile::remove(home.filePath("Errors.txt"));
    SetHomeDir(home.path());
    window = std::make_unique<TSysErrorWindow>();
    log = std::make_unique<TSysErrorLog>();
    window->SetLog(log.get());
  }
  void cleanup() {
    SetFinalReporter([](const QString&) {});
    window.reset();
    log.reset();
  }

  void logWindowReadsTheFileWhenCreated() {
    log.reset();
    QFile file(home.filePath("Errors.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("01/02/2026 10:00:00 A.Click\r\n                    boom\r\n\r\n");
    file.close();
    log = std::make_unique<TSysErrorLog>();
    QVERIFY(!log->isVisible());
    QCOMPARE(log->windowTitle(), QStringLiteral("Quillsweep System Error Log"));
    QCOMPARE(log->size(), QSize(490, 337));
    QCOMPARE(log->pos(), Centred(log->size()));
    QCOMPARE(log->Lines().size(), 3);
    QCOMPARE(Memo()->toPlainText(), log->Lines().join('\n'));
    QVERIFY(Memo()->isReadOnly());
    QCOMPARE(Memo()->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(Memo()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(Memo()->font().pointSize(), 8);
    QVERIFY(QFontInfo(Memo()->font()).fixedPitch());
    // The caret stands at the start of the last line.
    QCOMPARE(Memo()->textCursor().block(), Memo()->document()->lastBlock());
    QCOMPARE(Memo()->textCursor().positionInBlock(), 0);
  }

  void logMenu() {
    log->Add("01/02/2026 10:00:00 A.Click\r\nboom");
    log->show();
    const QList<QAction*> actions = log->menuBar()->actions();
    QCOMPARE(actions.size(), 2);
    QCOMPARE(actions[0]->text(), QStringLiteral("Clear"));
    QCOMPARE(actions[1]->text(), QStringLiteral("Close"));
    actions[0]->trigger();
    QVERIFY(log->Lines().isEmpty());
    QCOMPARE(Memo()->toPlainText(), QString());
    QFile file(log->FileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray());
    actions[1]->trigger();
    QVERIFY(!log->isVisible());
  }

  void failedSaveShowsMessageAndKeepsLog() {
    SetHomeDir(home.filePath("missing"));
    log = std::make_unique<TSysErrorLog>();
    window->SetLog(log.get());
    const QString shown = ModalText([&] { window->Add("A.Click\r\nboom\r\n"); });
    QCOMPARE(shown, "Error writing to " + HomeDirFileName("Errors.txt") +
                        "\nSome other program has claimed exclusive access to this file.");
    QCOMPARE(log->Lines().size(), 3);
    QVERIFY(window->isVisible());  // the report still appears
  }

  void displayText_data() {
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("shown");
    QTest::newRow("ampersand shows once") << "A.Click\r\nTom & Jerry\r\n" << "A.Click\nTom & Jerry\n";
    QTest::newRow("tab shows its name") << "A.Click\r\na\tb\r\n" << "A.Click\na<TAB>b\n";
    QTest::newRow("unnamed control code") << "A.Click\r\n\x0e\r\n" << "A.Click\n<#14>\n";
    QTest::newRow("markup stays text") << "A.Click\r\n<b>x</b>\r\n" << "A.Click\n<b>x</b>\n";
  }
  void displayText() {
    QFETCH(QString, report);
    QFETCH(QString, shown);
    window->Add(report);
    QCOMPARE(Label()->text(), shown);
    QCOMPARE(Label()->textFormat(), Qt::PlainText);
    static const QRegularExpression caption(R"(^Program Error @ \d\d\D\d\d\D\d{4} \d\d\D\d\d\D\d\d $)");
    QVERIFY2(caption.match(window->windowTitle()).hasMatch(), qPrintable(window->windowTitle()));
    // The log keeps the report as it came, behind the caption's stamp.
    QCOMPARE(log->Lines().first(), window->windowTitle().mid(16) + report.section("\r\n", 0, 0));
    QCOMPARE(log->Lines()[1], QString(20, u' ') + report.section("\r\n", 1, 1));
  }

  // Label width: the widest line's, between 275 and half the screen;
  // window 26 wider (at least 325) and 76 taller than the label.
  void sizes_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("clamp");
    QTest::addColumn<bool>("wraps");
    QTest::newRow("short line: narrowest label") << "Short" << "min" << false;
    QTest::newRow("medium line: its own width") << QString(35, u'w') << "none" << false;
    QTest::newRow("long line: half the screen, wrapped")
        << QString(40, u'w') + (QString(" ") + QString(30, u'w')).repeated(8) << "max" << true;
  }
  void sizes() {
    QFETCH(QString, line);
    QFETCH(QString, clamp);
    QFETCH(bool, wraps);
    window->Add("A.Click\r\n" + line + "\r\n");
    const int half = ScreenRect().width() / 2;
    const int lineWidth = int(std::ceil(QFontMetricsF(Label()->font()).horizontalAdvance(line)));
    const int expected = clamp == "min" ? 275 : clamp == "max" ? half : lineWidth;
    QVERIFY(clamp != "none" || (lineWidth > 275 && lineWidth < half));
    QCOMPARE(Label()->width(), expected);
    QCOMPARE(window->width(), std::max(expected + 26, 325));
    QCOMPARE(window->height(), Label()->height() + 76);
    QCOMPARE(Label()->height() > Label()->heightForWidth(10000), wraps);
  }

  void buttonsAroundTheMiddle() {
    for (const QString& report : {QStringLiteral("A.Click\r\nboom\r\n"), "A.Click\r\n" + QString(90, u'w') + "\r\n"}) {
      window->Add(report);
      const int c = window->width() / 2 - 5;
      const int top = Label()->geometry().bottom() + 1 + 11;
      QCOMPARE(Label()->pos(), QPoint(8, 8));
      QCOMPARE(Button("OKButton")->geometry().right() + 1, c - 6);
      QCOMPARE(Button("LogButton")->x(), c + 6);
      QCOMPARE(Button("OKButton")->y(), top);
      QCOMPARE(Button("LogButton")->y(), top);
      QCOMPARE(Button("OKButton")->text(), QStringLiteral("OK"));
      QCOMPARE(Button("LogButton")->text(), QStringLiteral("View Log"));
    }
  }

  void secondReportReplacesTheFirst() {
    window->Add("A.Click\r\nfirst\r\n");
    QVERIFY(window->isVisible());
    QVERIFY(!window->isModal());
    QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(window->pos(), Centred(window->size()));
    window->move(20, 30);
    window->Add("B.Click\r\nsecond\r\n");
    QVERIFY(window->isVisible());
    QCOMPARE(window->pos(), QPoint(20, 30));
    QCOMPARE(Label()->text(), QStringLiteral("B.Click\nsecond\n"));
    int windows = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
      windows += qobject_cast<TSysErrorWindow*>(w) != nullptr;
    QCOMPARE(windows, 1);
    QCOMPARE(log->Lines().size(), 6);
  }

  void buttons() {
    window->Add("A.Click\r\nboom\r\n");
    QTest::mouseClick(Button("LogButton"), Qt::LeftButton);
    QVERIFY(log->isVisible());
    QVERIFY(!log->isModal());
    QTest::mouseClick(Button("OKButton"), Qt::LeftButton);
    QVERIFY(!window->isVisible());
    QVERIFY(log->isVisible());
  }

  void finalReportsReachTheWindow() {
    InstallSysErrorWindow(window.get());
    Guard(TContextName("TMainWindow.", "RGTButtonClick"), Mode::Final, [] {
      Guard(TContextName("StrFcns.", "StripChars"), Mode::Propagate, [] { RaiseMessage("Access violation"); });
    });
    QVERIFY(window->isVisible());
    QCOMPARE(Label()->text(), QStringLiteral("TMainWindow.RGTButtonClick\nStrFcns.StripChars\nAccess violation\n"));
    QCOMPARE(log->Lines().size(), 4);
  }

  void withoutTheWindowReportsEndInTheDefaultDisplay() {
    InstallSysErrorWindow(window.get());
    window.reset();
    const QString shown = ModalText(
        [] { Guard(TContextName("A.", "Click"), Mode::Final, [] { RaiseMessage("boom"); }); });
    QCOMPARE(shown, QStringLiteral("A.Click\nboom\n"));
  }
};

QTEST_MAIN(TestSysErrWindow)
#include "tst_syserrwindow.moc"
