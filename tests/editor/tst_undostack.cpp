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

  // Snapshots pushed as edits of the top, mixed with whole ones, come back
  // exactly; the edit form never needs the whole text handed over.
  void editPushesPopLikeWholeOnes() {
    TUndoStack stack;
    QList<TSnapshot> pushed{{"one two one", 0, 0}};
    stack.Push(pushed.last());
    const auto edit = [&](int start, int length, const QString& inserted, int selStart) {
      stack.PushEdit(start, length, inserted, selStart, 0);
      pushed.append({QString(pushed.last().Text).replace(start, length, inserted), selStart, 0});
      QCOMPARE(stack.Top().Text, pushed.last().Text);
    };
    edit(0, 3, "1", 0);
    edit(6, 3, "", 6);     // removal at the end
    edit(2, 0, "new ", 2);  // insertion
    edit(0, 0, "", 1);      // the text unchanged, only the selection moved
    pushed.append({"whole", 3, 2});
    stack.Push(pushed.last());
    edit(5, 0, "!", 6);
    QCOMPARE(stack.Count(), int(pushed.size()));
    while (!pushed.isEmpty()) {
      const TSnapshot expected = pushed.takeLast();
      const TSnapshot got = stack.Pop();
      QCOMPARE(got.Text, expected.Text);
      QCOMPARE(got.SelStart, expected.SelStart);
    }
    QVERIFY(stack.IsEmpty());
  }

  void editPushOutsideTheTextRaises() {
    TUndoStack stack;
    QVERIFY_THROWS_EXCEPTION(std::exception, stack.PushEdit(0, 0, "x", 0, 0));  // nothing to edit
    stack.Push({"abc", 0, 0});
    QVERIFY_THROWS_EXCEPTION(std::exception, stack.PushEdit(2, 2, "x", 0, 0));
    QVERIFY_THROWS_EXCEPTION(std::exception, stack.PushEdit(-1, 1, "x", 0, 0));
    QCOMPARE(stack.Count(), 1);
    QCOMPARE(stack.Top().Text, QStringLiteral("abc"));
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
