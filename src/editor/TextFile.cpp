#include "TextFile.h"

#include "ExceptionUnit.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

TContextName ContextName(const char* name) { return TContextName("TextFile.", name); }

bool IsBreak(QChar c) { return c == u'\r' || c == u'\n'; }

// Counts first, so that a text already in CR LF goes back untouched.
QString CrLfBreaks(const QString& text) {
  const QChar* const begin = text.constData();
  const QChar* const end = begin + text.size();
  qsizetype lone = 0;
  for (const QChar* c = begin; c < end; ++c)
    if (*c == u'\r' && c + 1 < end && c[1] == u'\n')
      ++c;
    else if (IsBreak(*c))
      ++lone;
  if (lone == 0)
    return text;
  QString result(text.size() + lone, Qt::Uninitialized);
  QChar* out = result.data();
  for (const QChar* c = begin; c < end; ++c) {
    if (!IsBreak(*c)) {
      *out++ = *c;
      continue;
    }
    *out++ = u'\r';
    *out++ = u'\n';
    if (*c == u'\r' && c + 1 < end && c[1] == u'\n')
      ++c;
  }
  return result;
}

bool FitsLatin1(const QString& text) {
  for (QChar c : text)
    if (c.unicode() > 0xFF)
      return false;
  return true;
}

QString SizeText(qint64 bytes) { return QString::number(double(bytes) / (1024 * 1024), 'f', 1) + " MiB"; }

[[noreturn]] void RaiseTooLarge(const QString& path) {
  RaiseMessage(path + " is too large to edit (more than " + SizeText(MaxTextFileSize) + ")");
}

}  // namespace

TTextFile DecodeText(const QByteArray& bytes) {
  return Guard(ContextName("DecodeText"), Mode::Propagate, [&] {
    const qsizetype nul = bytes.indexOf('\0');
    const QByteArrayView data = QByteArrayView(bytes).first(nul < 0 ? bytes.size() : nul);
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    TTextFile file;
    file.text = utf8.decode(data);
    if (utf8.hasError()) {
      file.text = QString::fromLatin1(data);
      file.encoding = TTextEncoding::Latin1;
    } else if (file.text.startsWith(QChar(0xFEFF))) {
      file.text.remove(0, 1);
      file.encoding = TTextEncoding::Utf8Bom;
    }
    file.endedAtNul = nul >= 0;
    file.text = CrLfBreaks(file.text);
    return file;
  });
}

QByteArray EncodeText(const QString& text, TTextEncoding encoding) {
  return Guard(ContextName("EncodeText"), Mode::Propagate, [&] {
    // Characters typed into a Latin-1 file that Latin-1 cannot hold would
    // turn into "?"; the whole file goes out as UTF-8 instead, losing nothing.
    if (encoding == TTextEncoding::Latin1 && FitsLatin1(text))
      return text.toLatin1();
    if (encoding == TTextEncoding::Utf8Bom)
      return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    return text.toUtf8();
  });
}

TTextFile ReadTextFile(const QString& path) {
  return Guard(ContextName("ReadTextFile"), Mode::Propagate, [&] {
    const QFileInfo info(path);
    if (!info.exists())
      RaiseMessage("File not found: " + path);
    if (info.isDir())
      RaiseMessage(path + " is a directory, not a file");
    if (info.size() > MaxTextFileSize)
      RaiseTooLarge(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
      RaiseMessage("Unable to open " + path + ": " + file.errorString());
    // Read in pieces: devices and pipes report no size, and the cap must
    // hold for them too.
    QByteArray bytes;
    bytes.reserve(info.size());
    QByteArray piece(1 << 16, Qt::Uninitialized);
    for (;;) {
      const qint64 count = file.read(piece.data(), piece.size());
      if (count < 0)
        RaiseMessage("Unable to read " + path + ": " + file.errorString());
      if (count == 0)
        break;
      bytes.append(piece.constData(), count);
      if (bytes.size() > MaxTextFileSize)
        RaiseTooLarge(path);
    }
    return DecodeText(bytes);
  });
}

void WriteTextFile(const QString& path, const QString& text, TTextEncoding encoding) {
  Guard(ContextName("WriteTextFile"), Mode::Propagate, [&] {
    if (QFileInfo(path).isDir())
      RaiseMessage(path + " is a directory, not a file");
    const QByteArray bytes = EncodeText(text, encoding);
    QSaveFile file(path);
    // Where no temporary file can be made beside it (a read-only directory),
    // a writable file is still written, in place.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
      RaiseMessage("Unable to write to " + path + ": " + file.errorString());
  });
}
