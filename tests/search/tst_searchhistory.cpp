#include "SearchHistory.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestSearchHistory : public QObject {
  Q_OBJECT

  QTemporaryDir dir;

  QString WriteFile(const QByteArray& bytes) {
    const QString name = dir.filePath("history.txt");
    QFile f(name);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
      qFatal("cannot write the fixture");
    return name;
  }

private Q_SLOTS:
  void load_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("CR LF after every line") << QByteArray("foo\r\nbar\r\n") << QStringList{"foo", "bar"};
    QTest::newRow("no break after the last line") << QByteArray("foo\r\nbar") << QStringList{"foo", "bar"};
    QTest::newRow("lone CR and lone LF") << QByteArray("a\rb\nc\n") << QStringList{"a", "b", "c"};
    QTest::newRow("an empty line in the middle") << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("UTF-8") << QByteArray("caf\xc3\xa9\r\n") << QStringList{QString("caf\u00E9")};
  }
  void load() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    QCOMPARE(LoadHistory(WriteFile(bytes)), expected);
  }

  void missingFileIsEmpty() { QCOMPARE(LoadHistory(dir.filePath("none.txt")), QStringList()); }

  void saveWritesCrLfAfterEveryEntry() {
    const QString name = dir.filePath("saved.txt");
    SaveHistory(name, {"one", "", QString("t\u00E9")});
    QFile f(name);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("one\r\n\r\nt\xc3\xa9\r\n"));
    QCOMPARE(LoadHistory(name), QStringList({"one", "", QString("t\u00E9")}));
    SaveHistory(name, {});
    QCOMPARE(QFile(name).size(), 0);
  }

  void unwritableFileRaises() {
    try {
      SaveHistory(dir.path(), {"x"});  // a directory
      QFAIL("no error raised");
    } catch (const std::exception& e) {
      QVERIFY(QString::fromUtf8(e.what()).contains("Unable to write to " + dir.path()));
    }
  }

  void update_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("goes first") << QStringList{"a", "b"} << "c" << QStringList{"c", "a", "b"};
    QTest::newRow("moves to the front") << QStringList{"a", "b"} << "b" << QStringList{"b", "a"};
    QTest::newRow("Foo replaces foo") << QStringList{"x", "foo"} << "Foo" << QStringList{"Foo", "x"};
    QTest::newRow("empty text changes nothing") << QStringList{"a"} << "" << QStringList{"a"};
    QStringList full;
    for (int i = 25; i >= 1; --i)
      full << QString::number(i);
    QStringList expected = QStringList{"26"} + full.mid(0, 24);
    QTest::newRow("the 26th drops the oldest") << full << "26" << expected;
  }
  void update() {
    QFETCH(QStringList, before);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    QCOMPARE(UpdateHistory(before, text), expected);
  }
};

QTEST_GUILESS_MAIN(TestSearchHistory)
#include "tst_searchhistory.moc"
