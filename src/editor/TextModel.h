#pragma once
// The line view of the editor's text: lines end at CR LF, a lone CR or a lone
// LF; a NUL ends the text; a final break adds no empty line. Joining puts
// CR LF after every line, the last one included.

#include <QString>
#include <QStringList>

inline const QString CrLf = QStringLiteral("\r\n");

QStringList SplitLines(QStringView text);
QString JoinLines(const QStringList& lines);
