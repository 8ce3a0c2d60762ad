#include "Cascade.h"
#include "ExceptionUnit.h"
#include "ScreenRect.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(std::optional<QPoint>)

class TestCascade : public QObject {
  Q_OBJECT

  // Answers the next message box with `button` and records where it stood.
  QPoint AnswerNextBox(QMessageBox::StandardButton button, QMessageBox::StandardButton* result,
                       const std::function<QMessageBox::StandardButton()>& show) {
    QPoint where(-1000, -1000);
    QTimer timer;
    connect(&timer, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        where = box->pos();
        box->button(button)->click();
      }
    });
    timer.start(10);
    *result = show();
    return where;
  }

private Q_SLOTS:
  void cleanup() {
    while (FormCascade().Top())
      FormCascade().Pop();
  }

  void placement_data() {
    QTest::addColumn<QRect>("form");
    QTest::addColumn<std::optional<QPoint>>("below");
    QTest::addColumn<QRect>("expected");
    const std::optional<QPoint> none;
    QTest::newRow("alone and on the screen: stays") << QRect(50, 60, 200, 100) << none << QRect(50, 60, 200, 100);
    QTest::newRow("alone, off the bottom left: pulled back")
        << QRect(-50, 700, 200, 100) << none << QRect(-4, 768 - 24 - 100, 200, 100);
    QTest::newRow("alone, off the right") << QRect(900, 10, 200, 100) << none << QRect(1032 - 200, 10, 200, 100);
    QTest::newRow("over a dialog at 100,100") << QRect(5, 5, 200, 100) << std::optional(QPoint(100, 100))
                                              << QRect(132, 132, 200, 100);
    QTest::newRow("over a dialog near the corner")
        << QRect(5, 5, 200, 100) << std::optional(QPoint(900, 700)) << QRect(832, 644, 200, 100);
    QTest::newRow("wider than the screen") << QRect(300, 10, 2000, 100) << none << QRect(0, 10, 1032, 100);
    QTest::newRow("wider than the screen, left of it")
        << QRect(-100, 10, 2000, 100) << none << QRect(-4, 10, 1032, 100);
  }
  void placement() {
    QFETCH(QRect, form);
    QFETCH(std::optional<QPoint>, below);
    QFETCH(QRect, expected);
    QCOMPARE(TFormCascade::Placement(form, below, QSize(1024, 768)), expected);
  }

  void tooTallRaises() {
    QWidget form;
    form.setGeometry(10, 10, 200, ScreenRect().height() - 19);
    try {
      FormCascade().Push(&form);
      QFAIL("not raised");
    } catch (const TError& e) {
      QVERIFY2(e.Message().startsWith("TFormCascade.Push\r\n"), qPrintable(e.Message()));
      QVERIFY2(e.Message().contains("Min > Max : -4 > -5"), qPrintable(e.Message()));
    }
    QCOMPARE(FormCascade().Top(), &form);  // still there for the closing Pop
  }

  void pushAndPop() {
    QWidget a, b;
    a.setGeometry(100, 100, 200, 100);
    b.setGeometry(10, 20, 150, 80);
    FormCascade().Pop();  // empty: nothing happens
    QCOMPARE(FormCascade().Top(), nullptr);

    FormCascade().Push(&a);
    QCOMPARE(a.geometry(), QRect(100, 100, 200, 100));
    FormCascade().Push(&b);
    QCOMPARE(b.geometry(), QRect(132, 132, 150, 80));

    b.move(10, 20);
    FormCascade().Push(&b);  // already on top: neither stacked again nor moved
    QCOMPARE(b.pos(), QPoint(10, 20));
    FormCascade().Pop();
    QCOMPARE(FormCascade().Top(), &a);
    FormCascade().Pop();
    QCOMPARE(FormCascade().Top(), nullptr);
  }

  void destroyedDialogBelowIsSkipped() {
    auto a = std::make_unique<QWidget>();
    a->setGeometry(100, 100, 200, 100);
    FormCascade().Push(a.get());
    a.reset();
    QWidget b;
    b.setGeometry(10, 20, 150, 80);
    FormCascade().Push(&b);
    QCOMPARE(b.pos(), QPoint(10, 20));
  }

  void msgDlgPosition() {
    const QRect screen = ScreenRect();
    QMessageBox::StandardButton result;
    QPoint where = AnswerNextBox(QMessageBox::No, &result, [] {
      return FormCascade().MsgDlg("Proceed?", QMessageBox::Question, QMessageBox::Yes | QMessageBox::No);
    });
    QCOMPARE(where, screen.topLeft() + QPoint(screen.width() / 2, screen.height() / 2));
    QCOMPARE(result, QMessageBox::No);
    QCOMPARE(FormCascade().Top(), nullptr);

    QWidget a;
    a.setGeometry(100, 100, 200, 100);
    FormCascade().Push(&a);
    where = AnswerNextBox(QMessageBox::Ok, &result, [] {
      return FormCascade().MsgDlg("Done", QMessageBox::Information, QMessageBox::Ok);
    });
    QCOMPARE(where, QPoint(132, 132));
    QCOMPARE(result, QMessageBox::Ok);
    QCOMPARE(FormCascade().Top(), &a);
  }
};

QTEST_MAIN(TestCascade)
#include "tst_cascade.moc"
