#include "ExceptionUnit.h"
#include "TestFiles.h"
#include "TextFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

// The raised message without the context names above it.
QString RaisedMessage(const std::function<void()>& body) {
  const QStringList lines = RaisedLines(body);
  return lines.isEmpty() ? QString() : lines.last();
}

}  // namespace

class TestTextFile : public QObject {
  Q_OBJECT

  QTemporaryDir dir;

private Q_SLOTS:
  void decode_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<TTextEncoding>("encoding");
    const auto utf8 = TTextEncoding::Utf8, latin1 = TTextEncoding::Latin1;
    QTest::newRow("CR LF kept") << QByteArray("a\r\nb\r\n") << "a\r\nb\r\n" << utf8;
    QTest::newRow("LF only") << QByteArray("a\nb\n") << "a\r\nb\r\n" << utf8;
    QTest::newRow("lone CR") << QByteArray("a\rb") << "a\r\nb" << utf8;
    QTest::newRow("CR, CR LF, LF, CR") << QByteArray("a\r\r\nb\n\r") << "a\r\n\r\nb\r\n\r\n" << utf8;
    QTest::newRow("no break added") << QByteArray("abc") << "abc" << utf8;
    QTest::newRow("ends at NUL") << QByteArray("ab\0c\xFF", 5) << "ab" << utf8;
    QTest::newRow("UTF-8") << QByteArray("Zo\xC3\xAB") << "Zoë" << utf8;
    QTest::newRow("byte-order mark kept out of the text")
        << QByteArray("\xEF\xBB\xBF>hi") << QStringLiteral(">hi") << TTextEncoding::Utf8Bom;
    QTest::newRow("Latin-1") << QByteArray("Zo\xEB") << "Zoë" << latin1;
    QTest::newRow("cut-off UTF-8 sequence") << QByteArray("ab\xC3") << "ab\u00C3" << latin1;
    QTest::newRow("overlong UTF-8") << QByteArray("\xC0\xAF") << "\u00C0\u00AF" << latin1;
  }
  void decode() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(TTextEncoding, encoding);
    const TTextFile file = DecodeText(bytes);
    QCOMPARE(file.text, text);
    QCOMPARE(file.encoding, encoding);
    QCOMPARE(file.endedAtNul, bytes.contains('\0'));
  }

  void saveAfterOpen_data() {
    QTest::addColumn<QByteArray>("original");
    QTest::addColumn<QByteArray>("saved");
    const QByteArray latin1 = "caf\xE9 \x80\x9F\xFF\r\n\xA0\r\n";
    QTest::newRow("CR LF") << QByteArray("one\r\ntwo\r\n") << QByteArray("one\r\ntwo\r\n");
    QTest::newRow("no final break") << QByteArray("one\r\ntwo") << QByteArray("one\r\ntwo");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("Latin-1 byte for byte") << latin1 << latin1;
    QTest::newRow("UTF-8 with byte-order mark") << QByteArray("\xEF\xBB\xBFZo\xC3\xAB\r\n")
                                                << QByteArray("\xEF\xBB\xBFZo\xC3\xAB\r\n");
    QTest::newRow("LF only becomes CR LF") << QByteArray("one\ntwo\n") << QByteArray("one\r\ntwo\r\n");
    QTest::newRow("lone CR becomes CR LF") << QByteArray("one\rtwo") << QByteArray("one\r\ntwo");
    QTest::newRow("NUL ends the text") << QByteArray("one\r\n\0two", 9) << QByteArray("one\r\n");
  }
  void saveAfterOpen() {
    QFETCH(QByteArray, original);
    QFETCH(QByteArray, saved);
    const QString path = dir.filePath("message.txt");
    SetContents(path, original);
    const TTextFile file = ReadTextFile(path);
    WriteTextFile(path, file.text, file.encoding);
    QCOMPARE(Contents(path), saved);
  }

  void latin1FileKeepsWhatLatin1CannotHold() {
    QCOMPARE(EncodeText("caf\u00e9", TTextEncoding::Latin1), QByteArray("caf\xE9"));
    QCOMPARE(EncodeText("caf\u00e9 \u20ac", TTextEncoding::Latin1), QByteArray("caf\xC3\xA9 \xE2\x82\xAC"));
  }

  void readFailuresNameTheFile() {
    const QString missing = dir.filePath("missing.txt");
    QCOMPARE(RaisedMessage([&] { ReadTextFile(missing); }), "File not found: " + missing);
    QCOMPARE(RaisedMessage([&] { ReadTextFile(dir.path()); }), dir.path() + " is a directory, not a file");

    const QString large = dir.filePath("large.txt");
    QFile file(large);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(MaxTextFileSize + 1));  // sparse, costs no disk
    file.close();
    QCOMPARE(RaisedMessage([&] { ReadTextFile(large); }), large + " is too large to edit (more than 64.0 MiB)");
    QFile::remove(large);
  }

  void unreadableFile() {
    QString path = dir.filePath("locked.txt");
    if (geteuid() == 0) {
#ifdef Q_OS_LINUX
      path = QStringLiteral("/proc/self/mem");  // opens, but reading at offset 0 fails, even for root
#else
      QSKIP("permissions do not stop root");
#endif
    } else {
      SetContents(path, "secret");
      QVERIFY(QFile::setPermissions(path, {}));
    }
    QVERIFY(RaisedMessage([&] { ReadTextFile(path); }).startsWith("Unable to "));
    QVERIFY(RaisedMessage([&] { ReadTextFile(path); }).contains(path));
  }

  void writeFailuresNameTheFile() {
    const QString nowhere = dir.filePath("no/such/dir/out.txt");
    QVERIFY(RaisedMessage([&] { WriteTextFile(nowhere, "x", TTextEncoding::Utf8); })
                .startsWith("Unable to write to " + nowhere + ": "));
    QCOMPARE(RaisedMessage([&] { WriteTextFile(dir.path(), "x", TTextEncoding::Utf8); }),
             dir.path() + " is a directory, not a file");
  }

  void writableFileInReadOnlyDirectory() {
    if (geteuid() == 0)
      QSKIP("permissions do not stop root");
    QTemporaryDir locked;
    const QString path = locked.filePath("message.txt");
    SetContents(path, "old\r\n");
    QVERIFY(QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::ExeOwner));
    WriteTextFile(path, "new\r\n", TTextEncoding::Utf8);
    QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(Contents(path), QByteArray("new\r\n"));
  }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
