#include "UndoStack.h"

#include <QRandomGenerator>
#include <QTest>

class TestUndoStack : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void popsReturnEveryPushInReverse() {
    // Edits of every shape: insertions, deletions, replacements at the
    // ends and in the middle, no change at all, total replacement.
    QRandomGenerator random(7);
    QList<TSnapshot> pushed;
    QString text = QStringLiteral("The quick brown fox\r\njumps over the lazy dog\r\n");
    TUndoStack stack;
    for (int i = 0; i < 300; ++i) {
      const int at = random.bounded(text.size() + 1);
      switch (random.bounded(5)) {
        case 0: text.insert(at, QStringLiteral("ab")); break;
        case 1: text.remove(at, random.bounded(4)); break;
        case 2: text.replace(at, 1, QStringLiteral("xyz")); break;
        case 3: break;
        case 4: text = QString::number(i); break;
      }
      pushed.append({text, at, i % 3});
      stack.Push(pushed.last());
    }
    QCOMPARE(stack.Count(), 300);
    while (!pushed.isEmpty()) {
      const TSnapshot expected = pushed.takeLast();
      QCOMPARE(stack.Top().Text, expected.Text);
      const TSnapshot got = stack.Pop();
      QCOMPARE(got.Text, expected.Text);
      QCOMPARE(got.SelStart, expected.SelStart);
      QCOMPARE(got.SelLength, expected.SelLength);
    }
    QVERIFY(stack.IsEmpty());
  }

  void clearEmpties() {
    TUndoStack stack;
    stack.Push({"a", 0, 0});
    stack.Push({"b", 1, 0});
    stack.Clear();
    QVERIFY(stack.IsEmpty());
    stack.Push({"c", 0, 1});
    QCOMPARE(stack.Pop().Text, QStringLiteral("c"));
  }
};

QTEST_GUILESS_MAIN(TestUndoStack)
#include "tst_undostack.moc"
