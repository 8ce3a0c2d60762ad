#pragma once
// The search histories of the Find Text and Replace Text dialogs: up to 25
// texts, most recent first, each kept in a file of its own in the program's
// directory, one entry per line, every line ended by CR LF.

#include <QString>
#include <QStringList>

inline constexpr int MaxHistoryEntries = 25;

// The entries of a history file. CR, LF and CR LF each end a line; a line
// break at the end adds no entry, an empty line elsewhere is an empty entry.
// A missing file is an empty history; a file that cannot be read raises
// "Unable to read " + its name.
QStringList LoadHistory(const QString& fileName);

// Writes the entries (UTF-8, CR LF after each), atomically; raises
// "Unable to write to " + the file's name when the file cannot be written.
void SaveHistory(const QString& fileName, const QStringList& entries);

// The history after confirming text: an entry equal to it without regard to
// letter case is removed, the text goes first, and when that makes more
// than 25 entries the one at position 26 goes. An empty text changes nothing.
QStringList UpdateHistory(QStringList entries, const QString& text);
