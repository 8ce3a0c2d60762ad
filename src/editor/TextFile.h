#pragma once
// The user's text files. A file opens as UTF-8 when its bytes are valid
// UTF-8, otherwise as Latin-1 (one character per byte), and is saved in the
// encoding it was opened with, so that it comes back byte for byte. In the
// editor the text ends at the first NUL and its line breaks are CR LF.

#include <QByteArray>
#include <QString>

// Utf8Bom: UTF-8 that began with a byte-order mark. The mark is kept out of
// the text, where it would stand before the first line's quote marks.
enum class TTextEncoding { Utf8, Utf8Bom, Latin1 };

struct TTextFile {
  QString text;
  TTextEncoding encoding = TTextEncoding::Utf8;
  bool endedAtNul = false;  // the bytes went on after a NUL that ended the text
};

// Larger files are refused: the editor keeps whole copies of its text for
// undo, and 64 MiB is already far beyond any message it is meant to clean.
inline constexpr qint64 MaxTextFileSize = 64 * 1024 * 1024;

// Bytes as far as the first NUL, every lone CR and lone LF turned into
// CR LF; no line break is added.
TTextFile DecodeText(const QByteArray& bytes);
// The inverse of DecodeText for a text whose line breaks are CR LF.
QByteArray EncodeText(const QString& text, TTextEncoding encoding);

// Raise a message naming the file when it is missing, a directory, larger
// than MaxTextFileSize, or cannot be read or written.
TTextFile ReadTextFile(const QString& path);
void WriteTextFile(const QString& path, const QString& text, TTextEncoding encoding);
