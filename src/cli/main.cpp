// quillsweep: the cleaning engine as a command-line filter. It reads a file
// or standard input and writes the cleaned text to standard output, in the
// encoding it was read in.

#include "ExceptionUnit.h"
#include "Filter.h"
#include "TextFile.h"
#include "TextModel.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cstdio>

namespace {

TContextName ContextName(const char* name) { return TContextName("quillsweep.", name); }

// Failures the user can act on: a message and an exit status. Not a
// std::exception, so the guards pass it up unchanged to main.
struct TFilterFailure {
  QString message;
  int status;
};

void Print(FILE* stream, const QString& text) {
  const QByteArray bytes = text.toLocal8Bit();
  std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

QByteArray ReadInput(const QString& fileName) {
  return Guard(ContextName("ReadInput"), Mode::Propagate, [&] {
    const bool standardInput = fileName.isEmpty() || fileName == u"-";
    const QString shown = standardInput ? QStringLiteral("standard input") : QStringLiteral("'%1'").arg(fileName);
    QFile file(fileName);
    const bool opened = standardInput ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    if (!opened)
      throw TFilterFailure{QStringLiteral("cannot read %1: %2").arg(shown, file.errorString()), 1};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
      throw TFilterFailure{QStringLiteral("cannot read %1: %2").arg(shown, file.errorString()), 1};
    return bytes;
  });
}

// The break that ends output lines: the input's first one (CR LF, LF or a
// lone CR), LF when it has none, unless an option forces one.
QString LineEnd(TLineEnd choice, QByteArrayView bytes) {
  return Guard(ContextName("LineEnd"), Mode::Propagate, [&] {
    if (choice == TLineEnd::CrLf)
      return QStringLiteral("\r\n");
    const auto first = std::find_if(bytes.begin(), bytes.end(), [](char c) { return c == '\r' || c == '\n'; });
    if (choice == TLineEnd::Lf || first == bytes.end() || *first == '\n')
      return QStringLiteral("\n");
    return first + 1 != bytes.end() && first[1] == '\n' ? QStringLiteral("\r\n") : QStringLiteral("\r");
  });
}

bool FitsLatin1(const QStringList& lines) {
  for (const QString& line : lines)
    for (QChar c : line)
      if (c.unicode() > 0xFF)
        return false;
  return true;
}

// Writes the lines in pieces, so that no second copy of the whole text is
// made. A Latin-1 text that gained characters Latin-1 cannot hold goes out
// as UTF-8, as the editor saves it.
void WriteOutput(const QStringList& lines, const QString& lineEnd, TTextEncoding encoding) {
  Guard(ContextName("WriteOutput"), Mode::Propagate, [&] {
    if (encoding == TTextEncoding::Latin1 && !FitsLatin1(lines))
      encoding = TTextEncoding::Utf8;
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
      throw TFilterFailure{QStringLiteral("cannot write standard output: %1").arg(out.errorString()), 1};
    const auto write = [&](const QString& piece) {
      const QByteArray bytes = EncodeText(piece, encoding);
      if (out.write(bytes) != bytes.size())
        throw TFilterFailure{QStringLiteral("cannot write standard output: %1").arg(out.errorString()), 1};
    };
    constexpr qsizetype PieceSize = 1 << 20;
    QString piece;
    for (const QString& line : lines) {
      piece += line;
      piece += lineEnd;
      if (piece.size() >= PieceSize) {
        write(piece);
        piece.clear();
      }
    }
    write(piece);
    if (!out.flush())
      throw TFilterFailure{QStringLiteral("cannot write standard output: %1").arg(out.errorString()), 1};
  });
}

void Run(const TFilterOptions& options) {
  Guard(ContextName("Run"), Mode::Propagate, [&] {
    QByteArray bytes = ReadInput(options.fileName);
    const qsizetype nul = bytes.indexOf('\0');
    const QString lineEnd = LineEnd(options.lineEnd, QByteArrayView(bytes).first(nul < 0 ? bytes.size() : nul));
    if (nul >= 0)
      Print(stderr, QStringLiteral("quillsweep: warning: the input holds a NUL character; "
                                   "the text after it is left out, as the editor leaves it out\n"));
    TTextFile decoded = DecodeText(bytes);
    bytes = QByteArray();
    QStringList lines = SplitLines(decoded.text);
    decoded.text = QString();
    lines = RunFilter(std::move(lines), options);
    WriteOutput(lines, lineEnd, decoded.encoding);
  });
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  try {
    const TFilterOptions options = ParseFilterOptions(QCoreApplication::arguments());
    if (!options.error.isEmpty()) {
      Print(stderr, QStringLiteral("quillsweep: %1\n").arg(options.error));
      return 2;
    }
    if (options.help) {
      Print(stdout, FilterUsage());
      return 0;
    }
    if (options.version) {
      Print(stdout, QStringLiteral("quillsweep " QS_VERSION "\n"));
      return 0;
    }
    Run(options);
    return 0;
  } catch (const TFilterFailure& failure) {
    Print(stderr, QStringLiteral("quillsweep: %1\n").arg(failure.message));
    return failure.status;
  } catch (const std::exception& error) {
    Print(stderr, QStringLiteral("quillsweep: ") + ErrorMessage(error));
    return 1;
  }
}
