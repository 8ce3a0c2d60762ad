#include "SampleMessage.h"

#include "TextModel.h"

QString SampleMessage() {
  static const char* const lines[] = {
      ">> >     Quillsweep is a utility designed to",
      ">> > facilitate the cleaning of messy email and",
      ">> > newsgroup messages. If you've ever received",
      ">> email",
      ">> > that has been forwarded from person to person",
      ">> > numerous times, or if you've ever read a",
      ">> > newsgroup message that has been chopped up by",
      ">> > numerous responses, you're probably familiar",
      ">> with",
      ">> > the unsightly (and nearly unreadable) mess",
      ">that",
      ">> > accumulates as words at the end of lines of",
      ">> text",
      ">> > get pushed too far to the right and are word",
      ">> > wrapped improperly.",
      ">> >",
      ">> >     This program is designed to help you",
      ">clean",
      ">> up",
      ">> > the mess with just a few mouse clicks. To see",
      ">> how",
      ">> > it works, click 'Word Wrap' (in the tool",
      ">panel",
      ">> to",
      ">> > the left) and then click the 'Apply' button.",
      ">> For",
      ">> > detailed instructions, check out the",
      ">tutorials",
      ">> in",
      ">> > the online help.",
      "",
  };
  QStringList list;
  for (const char* line : lines)
    list << QString::fromLatin1(line);
  return JoinLines(list);
}
