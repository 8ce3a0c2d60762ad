#include "FilterOptions.h"

#include "ExceptionUnit.h"
#include "IndentUnit.h"

#include <QCommandLineParser>

namespace {

TContextName ContextName(const char* name) { return TContextName("FilterOptions.", name); }

QCommandLineOption Flag(const char* name) { return QCommandLineOption(QString::fromLatin1(name)); }
QCommandLineOption Valued(const char* name) {
  return QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value"));
}

// A whole number within [min, max], or none.
std::optional<int> NumberIn(const QString& text, int min, int max) {
  bool ok = false;
  const int value = text.toInt(&ok);
  if (!ok || value < min || value > max)
    return std::nullopt;
  return value;
}

// Sets the box of one stripping code; false for an unknown code.
bool Check(TStripSelection& selection, const QString& code) {
  bool TStripSelection::*box = nullptr;
  if (code == u"gt")
    box = &TStripSelection::leadingGTs;
  else if (code == u"dbl")
    box = &TStripSelection::doubleBlankLines;
  else if (code == u"bl")
    box = &TStripSelection::blankLines;
  else if (code == u"ls")
    box = &TStripSelection::leadingSpaces;
  else if (code == u"ts")
    box = &TStripSelection::trailingSpaces;
  else if (code == u"ds")
    box = &TStripSelection::doubleSpaces;
  else if (code == u"cr")
    box = &TStripSelection::carriageReturns;
  if (box)
    selection.*box = true;
  return box != nullptr;
}

QString BadValue(const QString& option, const QString& value, const QString& expected) {
  return QStringLiteral("bad value '%1' for --%2: %3").arg(value, option, expected);
}

// The checks of each valued option; fills options.error at the first fault.
void ReadValues(const QCommandLineParser& parser, TFilterOptions& options) {
  const auto fail = [&](const QString& message) {
    if (options.error.isEmpty())
      options.error = message;
  };
  if (parser.isSet(QStringLiteral("strip"))) {
    TStripSelection selection{false, false, false, false, false, false, false, false};
    const QString list = parser.value(QStringLiteral("strip"));
    for (const QString& code : list.split(u','))
      if (!Check(selection, code))
        fail(BadValue(QStringLiteral("strip"), list, QStringLiteral("codes are gt, dbl, bl, ls, ts, ds and cr")));
    options.strip = selection;
  }
  if (parser.isSet(QStringLiteral("wrap"))) {
    const QString value = parser.value(QStringLiteral("wrap"));
    const auto width = NumberIn(value, 20, 100);
    if (!width)
      fail(BadValue(QStringLiteral("wrap"), value, QStringLiteral("a width from 20 to 100")));
    options.wrap = true;
    options.width = width.value_or(options.width);
  }
  if (parser.isSet(QStringLiteral("indent"))) {
    const QString value = parser.value(QStringLiteral("indent"));
    if (value == u"space")
      options.indentChar = IndentChar(iwSpaces, QString());
    else if (value == u"gt")
      options.indentChar = IndentChar(iwGTs, QString());
    else if (value.size() == 1 && !value[0].isSurrogate())
      options.indentChar = IndentChar(iwOther, value);
    else
      fail(BadValue(QStringLiteral("indent"), value, QStringLiteral("space, gt or a single character")));
  }
  if (parser.isSet(QStringLiteral("depth"))) {
    const QString value = parser.value(QStringLiteral("depth"));
    const auto depth = NumberIn(value, 0, 20);
    if (!depth)
      fail(BadValue(QStringLiteral("depth"), value, QStringLiteral("a depth from 0 to 20")));
    options.depth = depth.value_or(options.depth);
  }
  if (parser.isSet(QStringLiteral("list"))) {
    const QString value = parser.value(QStringLiteral("list"));
    if (value != u"yes" && value != u"no")
      fail(BadValue(QStringLiteral("list"), value, QStringLiteral("yes or no")));
    options.listYes = value == u"yes";
  }
  if (parser.isSet(QStringLiteral("list-indent"))) {
    const QString value = parser.value(QStringLiteral("list-indent"));
    options.listIndent = NumberIn(value, 0, 20);
    if (!options.listIndent)
      fail(BadValue(QStringLiteral("list-indent"), value, QStringLiteral("an indent from 0 to 20")));
  }
}

}  // namespace

TFilterOptions ParseFilterOptions(const QStringList& arguments) {
  return Guard(ContextName("ParseFilterOptions"), Mode::Propagate, [&] {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({Flag("help"), Flag("version"), Valued("strip"), Valued("wrap"), Valued("indent"),
                       Valued("depth"), Flag("no-pad"), Flag("no-blank-line"), Flag("preserve-blank-lines"),
                       Flag("indent-paragraphs"), Valued("list"), Valued("list-indent"), Flag("no-list-blank-line"),
                       Flag("crlf"), Flag("lf")});
    TFilterOptions options;
    if (!parser.parse(arguments)) {
      options.error = parser.errorText();
      return options;
    }
    options.help = parser.isSet(QStringLiteral("help"));
    options.version = parser.isSet(QStringLiteral("version"));
    ReadValues(parser, options);
    options.pad = !parser.isSet(QStringLiteral("no-pad"));
    options.leadingBlankLine = !parser.isSet(QStringLiteral("no-blank-line"));
    options.preserveBlankLines = parser.isSet(QStringLiteral("preserve-blank-lines"));
    options.indentParagraphs = parser.isSet(QStringLiteral("indent-paragraphs"));
    options.listBlankLine = !parser.isSet(QStringLiteral("no-list-blank-line"));
    if (options.strip)
      options.strip->preserveBlankLines = options.preserveBlankLines;
    const bool crlf = parser.isSet(QStringLiteral("crlf")), lf = parser.isSet(QStringLiteral("lf"));
    if (crlf && lf && options.error.isEmpty())
      options.error = QStringLiteral("--crlf and --lf exclude each other");
    options.lineEnd = crlf ? TLineEnd::CrLf : lf ? TLineEnd::Lf : TLineEnd::AsInput;
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1 && options.error.isEmpty())
      options.error = QStringLiteral("more than one file named: '%1'").arg(files[1]);
    options.fileName = files.value(0);
    return options;
  });
}

QString FilterUsage() {
  return QStringLiteral(
      "Usage: quillsweep [OPTION]... [FILE]\n"
      "Clean an e-mail or newsgroup message: read FILE (or standard input when FILE\n"
      "is missing or \"-\"), write the result to standard output.\n"
      "\n"
      "  --strip=LIST           strip, in this order, what the comma-separated codes\n"
      "                         name: gt (leading \">\"s), dbl (double blank lines),\n"
      "                         bl (blank lines), ls (leading spaces), ts (trailing\n"
      "                         spaces), ds (double spaces), cr (carriage returns);\n"
      "                         with --wrap or --indent this runs before the re-flow\n"
      "  --wrap=N               word wrap at N characters, 20 to 100; with --indent\n"
      "                         the width of the indented text (default 65)\n"
      "  --indent=C             indent and word wrap behind C: space, gt (\">\") or\n"
      "                         any single character\n"
      "  --depth=N              indent depth, 0 to 20 (default 1)\n"
      "  --no-pad               no space after the indent characters\n"
      "  --no-blank-line        no blank line before the indented text\n"
      "  --preserve-blank-lines keep paragraphs apart (and keep blank lines when\n"
      "                         stripping)\n"
      "  --indent-paragraphs    indent the first line of each paragraph\n"
      "  --list=yes|no          treat a detected list as a list (default no)\n"
      "  --list-indent=H        indent list item continuation lines by H spaces,\n"
      "                         0 to 20 (default: the width of the widest bullet)\n"
      "  --no-list-blank-line   no blank line between list items\n"
      "  --crlf, --lf           end lines with CR LF or LF (default: as the input's\n"
      "                         first line break)\n"
      "  --help                 show this help\n"
      "  --version              show the version\n"
      "\n"
      "Without --strip, --wrap or --indent the text passes through unchanged apart\n"
      "from its line ends. Exit status: 0 done, 1 a file could not be read or\n"
      "written, 2 a bad option or value.\n");
}
