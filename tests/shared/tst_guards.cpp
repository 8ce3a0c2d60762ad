#include "ExceptionUnit.h"

#include <QTest>

namespace {

void Innermost() {
  Guard(TContextName("StrFcns.", "StripChars"), Mode::Propagate,
        [] { throw std::runtime_error("Access violation"); });
}
void Outer() { Guard(TContextName("TTokens.", "Parse"), Mode::Propagate, [] { Innermost(); }); }

struct NotAnError {};

}  // namespace

class TestGuards : public QObject {
  Q_OBJECT

  QStringList reports;

private Q_SLOTS:
  void init() {
    reports.clear();
    SetFinalReporter([this](const QString& r) { reports << r; });
  }

  void reportThreeRoutinesDeep() {
    Guard(TContextName("TMainWindow.", "RGTButtonClick"), Mode::Final, [] { Outer(); });
    QCOMPARE(reports.size(), 1);
    // Three routines deep: the handler, the routine it called, the one that failed.
    QCOMPARE(reports[0].split("\r\n", Qt::SkipEmptyParts),
             QStringList({"TMainWindow.RGTButtonClick", "TTokens.Parse", "StrFcns.StripChars", "Access violation"}));
  }

  void finalModeReturnsDefaultAndGoesOn() {
    const int value = Guard(TContextName("X.", "Y"), Mode::Final, []() -> int { RaiseMessage("bad\nline two"); });
    QCOMPARE(value, 0);
    QCOMPARE(reports, QStringList({"X.Y\r\nbad\r\nline two\r\n"}));
  }

  void propagatedMessageKeepsItsEmptyMiddleLine() {
    try {
      Guard(TContextName("A.", "B"), Mode::Propagate, [] { RaiseMessage("one\r\n\r\ntwo\r\n"); });
      QFAIL("not raised");
    } catch (const TError& e) {
      QCOMPARE(e.Message(), QStringLiteral("A.B\r\none\r\n\r\ntwo\r\n"));
    }
  }

  void foreignObjectsPassThrough() {
    QVERIFY_THROWS_EXCEPTION(NotAnError, Guard(TContextName("A.", "B"), Mode::Final, [] { throw NotAnError(); }));
    QVERIFY(reports.isEmpty());
  }

  void dynamicContextName() {
    Guard(TContextName(QStringLiteral("Exec(ls -l)")), Mode::Final, [] { RaiseMessage("x"); });
    QCOMPARE(reports, QStringList({"Exec(ls -l)\r\nx\r\n"}));
  }
};

QTEST_GUILESS_MAIN(TestGuards)
#include "tst_guards.moc"
