#include "IndentUnit.h"

#include "ExceptionUnit.h"
#include "StrFcns.h"
#include "TextModel.h"

#include <algorithm>

namespace {

TContextName ContextName(const char* name) { return TContextName("TMainWindow.", name); }

const QChar Space(u' ');

}  // namespace

QChar IndentChar(int indentWith, const QString& otherText) {
  return Guard(ContextName("IndentChar"), Mode::Propagate, [&] {
    if (indentWith == iwGTs)
      return QChar(u'>');
    if (indentWith == iwOther && !otherText.isEmpty())
      return otherText[0];
    return Space;
  });
}

QString IndentPrefix(int depth, QChar indentChar, bool pad) {
  return Guard(ContextName("ApplyWordWrapButtonClick"), Mode::Propagate, [&] {
    QString prefix = FillString(depth, indentChar);
    if (pad && !prefix.isEmpty())
      prefix += Space;
    return prefix;
  });
}

int LongestIndentStr(const QString& text) {
  return Guard(ContextName("LongestIndentStr"), Mode::Propagate, [&] {
    int longest = 0;
    for (const QString& line : SplitLines(text)) {
      int count = 0;
      for (QChar c : line) {
        if (c == u'>')
          ++count;
        else if (c != Space)
          break;
      }
      longest = std::max(longest, count);
    }
    return longest;
  });
}

QString IndentDepthCaption(int depth) {
  return Guard(ContextName("UpdateIndentDepthLabel"), Mode::Propagate, [&] {
    return QStringLiteral("Indent depth : ") + QString::number(depth) + QStringLiteral(" chars");
  });
}

std::optional<TInsertedParagraph> InsertParagraph(const QString& text, qsizetype caret) {
  return Guard(ContextName("InsertParagraphPopUpMenuItemClick"), Mode::Propagate,
               [&]() -> std::optional<TInsertedParagraph> {
                 if (caret < 0)
                   RaiseMessage(QStringLiteral("Caret position %1 is before the text").arg(caret));
                 if (caret >= text.size())
                   return std::nullopt;
                 qsizetype i = caret;
                 while (i > 0 && text[i - 1] != u'\n' && text[i - 1] != u'\r' && text[i - 1] != Space)
                   --i;
                 QString result = text;
                 result.insert(i, QStringLiteral("\r\n\r\n    "));
                 return TInsertedParagraph{result, i};
               });
}
