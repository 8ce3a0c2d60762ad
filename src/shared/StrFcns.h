#pragma once
// String helpers shared by both programs. Positions are 1-based, 0 means
// "not found". Every function takes its inputs by value and returns anew.

#include <QString>
#include <QSet>

using TCharSet = QSet<QChar>;

QString FillString(int count, QChar c);
// The file beside the running program (or beside the directory set with
// SetHomeDir, which tests use to keep their files apart).
QString HomeDirFileName(const QString& fileName);
QString HomeDir();
void SetHomeDir(const QString& dir);
QString StripChars(const QString& s, const TCharSet& set);
int LastPos(const QString& sub, const QString& s);
QString StripTrailingSpaces(const QString& s);
QString StripSurroundingSpaces(const QString& s);
QString ConvertNonPrintables(const QString& s, bool keepLineBreaks);
QString StuffAmpersands(const QString& s);
QString ConcatDir(const QString& dir, const QString& fileName);
QChar LastChar(const QString& s);
