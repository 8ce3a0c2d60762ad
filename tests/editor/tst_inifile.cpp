#include "ExceptionUnit.h"
#include "TestFiles.h"
#include "IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

#include <unistd.h>

namespace {


}  // namespace

class TestIniFile : public QObject {
  Q_OBJECT

  QTemporaryDir dir;
  QString path;

  // A settings file holding the one entry "Key=<value>" under [Options].
  void StoreValue(const QString& value) {
    SetContents(path, "[Options]\r\nKey=" + value.toUtf8() + "\r\n");
  }

private Q_SLOTS:
  void init() {
    path = dir.filePath(QStringLiteral("Quillsweep.ini"));
    QFile::remove(path);
  }

  void readInteger_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("expected");
    QTest::newRow("decimal") << "123" << 123;
    QTest::newRow("negative") << "-7" << -7;
    QTest::newRow("surrounding spaces") << "  42  " << 42;
    QTest::newRow("0x hexadecimal") << "0x20" << 32;
    QTest::newRow("0X hexadecimal") << "0X1f" << 31;
    QTest::newRow("dollar hexadecimal") << "$1F" << 31;
    QTest::newRow("hexadecimal bit pattern") << "$FFFFFFFF" << -1;
    QTest::newRow("0x alone") << "0x" << 65;
    QTest::newRow("dollar alone") << "$" << 65;
    QTest::newRow("bad hex digit") << "0x1G" << 65;
    QTest::newRow("letters") << "abc" << 65;
    QTest::newRow("number then letters") << "12abc" << 65;
    QTest::newRow("empty") << "" << 65;
    QTest::newRow("smallest int") << "-2147483648" << std::numeric_limits<int>::min();
    QTest::newRow("beyond an int") << "2147483648" << 65;
  }
  void readInteger() {
    QFETCH(QString, stored);
    QFETCH(int, expected);
    StoreValue(stored);
    QCOMPARE(TIniFile(path).ReadInteger("Options", "Key", 65), expected);
  }

  void readBool_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("defaultValue");
    QTest::addColumn<bool>("expected");
    QTest::newRow("one") << "1" << false << true;
    QTest::newRow("zero") << "0" << true << false;
    QTest::newRow("any other number") << "-3" << false << true;
    QTest::newRow("hexadecimal zero") << "0x0" << true << false;
    QTest::newRow("word gives the default") << "true" << false << false;
    QTest::newRow("word gives the default too") << "no" << true << true;
  }
  void readBool() {
    QFETCH(QString, stored);
    QFETCH(bool, defaultValue);
    QFETCH(bool, expected);
    StoreValue(stored);
    QCOMPARE(TIniFile(path).ReadBool("Options", "Key", defaultValue), expected);
  }

  void readString_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("spaces around removed") << "  a b  " << "a b";
    QTest::newRow("a space comes back empty") << " " << "";
    QTest::newRow("tabs are not spaces") << "\ta " << "\ta";
    QTest::newRow("equals sign in the value") << "a=b" << "a=b";
    QTest::newRow("UTF-8") << "Zoë" << "Zoë";
    QTest::newRow("read up to 2047 characters") << QString(3000, u'x') << QString(2047, u'x');
  }
  void readString() {
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    StoreValue(stored);
    QCOMPARE(TIniFile(path).ReadString("Options", "Key", "default"), expected);
  }

  void lookupRules() {
    SetContents(path,
                "Stray=1\r\n"
                "[OPTIONS]\r\n"
                "  wrapcolumn = 80\r\n"
                "WrapColumn=90\r\n"
                "[Font]\r\n"
                "Size=12\r\n"
                "[options]\r\n"
                "Size=99\r\n");
    TIniFile ini(path);
    QCOMPARE(ini.ReadInteger("Options", "WrapColumn", 65), 80);  // any case; the first one counts
    QCOMPARE(ini.ReadInteger("Options", "Size", 8), 8);          // only the first such section
    QCOMPARE(ini.ReadInteger("Options", "Stray", 0), 0);         // entries before any section
    QCOMPARE(ini.ReadInteger("Print", "Size", 7), 7);
    QCOMPARE(ini.ReadString("Font", "Name", "Courier New"), QStringLiteral("Courier New"));
  }

  void readsOfAMissingFileCreateNothing() {
    TIniFile ini(path);
    QCOMPARE(ini.ReadInteger("Options", "WrapColumn", 65), 65);
    QVERIFY(!QFile::exists(path));
    QCOMPARE(ini.FileName(), path);
  }

  void firstWriteCreatesTheFile() {
    TIniFile ini(path);
    ini.WriteInteger("Options", "WrapColumn", 72);
    ini.WriteBool("Options", "HorzScroll", false);
    QCOMPARE(Contents(path), QByteArray("[Options]\r\nWrapColumn=72\r\nHorzScroll=0\r\n"));
    QCOMPARE(ini.ReadInteger("Options", "WrapColumn", 65), 72);
    QCOMPARE(ini.ReadBool("Options", "HorzScroll", true), false);
  }

  void writesKeepEveryOtherLine() {
    SetContents(path,
                "; my settings\n"
                "[Options]\n"
                "Left = 10\n"
                "  odd line without equals\n"
                "Top=5\n"
                "\n"
                "[Font]\n"
                "name=Arial");
    TIniFile ini(path);
    ini.WriteInteger("options", "TOP", 7);
    ini.WriteString("Options", "FileDir", "/home/zoë/mail");
    ini.WriteBool("Font", "Bold", true);
    ini.WriteInteger("Print", "Left", 3);
    QCOMPARE(Contents(path), QByteArray("; my settings\n"
                                        "[Options]\n"
                                        "Left = 10\n"
                                        "  odd line without equals\n"
                                        "TOP=7\n"
                                        "FileDir=/home/zo\xC3\xAB/mail\n"
                                        "\n"
                                        "[Font]\n"
                                        "name=Arial\n"
                                        "Bold=1\n"
                                        "\n"
                                        "[Print]\n"
                                        "Left=3\n"));
    TIniFile fresh(path);
    QCOMPARE(fresh.ReadInteger("Options", "Top", 0), 7);
    QCOMPARE(fresh.ReadString("Options", "FileDir", ""), QStringLiteral("/home/zoë/mail"));
  }

  void byteOrderMarkStays() {
    SetContents(path, "\xEF\xBB\xBF[Options]\r\nA=1\r\n");
    TIniFile ini(path);
    QCOMPARE(ini.ReadInteger("Options", "A", 0), 1);
    ini.WriteInteger("Options", "B", 2);
    QCOMPARE(Contents(path), QByteArray("\xEF\xBB\xBF[Options]\r\nA=1\r\nB=2\r\n"));
  }

  void seesTheFileChangedBehindIt() {
    TIniFile ini(path);
    ini.WriteInteger("Options", "WrapColumn", 72);
    QCOMPARE(ini.ReadInteger("Options", "WrapColumn", 65), 72);
    SetContents(path, "[Options]\r\nWrapColumn=100\r\nIndentDepth=3\r\n");
    QCOMPARE(ini.ReadInteger("Options", "WrapColumn", 65), 100);
    ini.WriteInteger("Options", "IndentDepth", 4);
    QCOMPARE(Contents(path), QByteArray("[Options]\r\nWrapColumn=100\r\nIndentDepth=4\r\n"));
  }

  void refusedWriteRaises() {
    QString target = path;
    if (geteuid() == 0) {
      // Permissions do not stop root: make the parent a plain file instead.
      SetContents(dir.filePath("NotADir"), "x");
      target = dir.filePath("NotADir/Quillsweep.ini");
    } else {
      SetContents(path, "[Options]\r\nA=1\r\n");
      QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    }
    TIniFile ini(target);
    const QStringList lines = RaisedLines([&] { ini.WriteInteger("Options", "WrapColumn", 65); });
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(lines, QStringList({"TIniFile.WriteInteger", "Unable to write to " + target}));
    if (geteuid() != 0)
      QCOMPARE(Contents(path), QByteArray("[Options]\r\nA=1\r\n"));
  }

  void unreadableFileIsNeitherReadNorReplaced() {
    if (geteuid() == 0)
      QSKIP("permissions do not stop root");
    SetContents(path, "[Options]\r\nWrapColumn=80\r\n");
    QVERIFY(QFile::setPermissions(path, QFile::WriteOwner));
    TIniFile ini(path);
    QCOMPARE(ini.ReadInteger("Options", "WrapColumn", 65), 65);
    const QStringList lines = RaisedLines([&] { ini.WriteInteger("Options", "IndentDepth", 2); });
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(lines, QStringList({"TIniFile.WriteInteger", "Unable to write to " + path}));
    QCOMPARE(Contents(path), QByteArray("[Options]\r\nWrapColumn=80\r\n"));
  }

  void lineBreakInAValueIsRefused() {
    SetContents(path, "[Options]\r\nA=1\r\n");
    TIniFile ini(path);
    QVERIFY(!RaisedLines([&] { ini.WriteString("Options", "OtherIndentChar", "|\r\n[Evil]"); }).isEmpty());
    QCOMPARE(Contents(path), QByteArray("[Options]\r\nA=1\r\n"));
  }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
