#include "ReflowUnit.h"

#include "ExceptionUnit.h"
#include "MinMax.h"
#include "StrFcns.h"

#include <algorithm>

namespace {

TContextName ContextName(const char* name) { return TContextName("TMainWindow.", name); }

const QChar Space(u' ');

// Without a question to ask, the stream is built and consumed in parts of
// this many lines, so that it never holds the whole text.
constexpr qsizetype LinesPerPart = 4096;

QStringView WithoutTrailingSpaces(QStringView s) {
  qsizetype end = s.size();
  while (end > 0 && s[end - 1] == Space)
    --end;
  return s.left(end);
}

// The wrap loop: takes tokens off the front of the stream and builds lines.
class TWrapLoop {
public:
  TWrapLoop(const TReflowSettings& settings, const TTextWidth& width, const TListAnswer& answer)
      : settings_(settings),
        width_(width),
        accepted_(answer.Accepted),
        blankLineBetweenItems_(answer.Accepted && answer.BlankLineBetweenItems),
        prefix_(settings.IndentPrefix),
        bareprefix_(WithoutTrailingSpaces(prefix_)),
        firstLineIndent_(FillString(FirstLineIndent(settings.FixedPitch), Space)),
        hangingIndent_(FillString(MinMaxInt(answer.HangingIndent, 0, MaxListItemIndent), Space)) {
    if (!settings.FixedPitch)
      xWidth_ = width_(FillString(settings.WrapWidth, u'x'));
    if (settings.LeadingBlankLine)
      output_ << QString();
  }

  // Takes every token of the stream, which is left empty.
  void Consume(TTokens& stream) {
    while (!stream.IsEmpty()) {
      Take(stream.TextView(0), stream.GetInfoAtIndex(0));
      stream.DeleteFirst();
    }
  }

  QStringList Finish() {
    if (!line_.isEmpty())
      output_ << line_;
    return std::move(output_);
  }

private:
  void Take(QStringView text, const TTokenInfo& info) {
    const auto appendToken = [&] {
      line_ += text;
      if (info.SpaceAfter)
        line_ += Space;
    };
    const bool breakDue = LineTooLong(text, info.SpaceAfter) ||
                          (settings_.PreserveBlankLines && info.Kind == tkBlankLine) ||
                          (accepted_ && info.Kind == tkListBullet);
    if (breakDue) {
      FinishLine();
      if (info.Kind == tkBlankLine) {
        line_.clear();
        inList_ = false;
        if (settings_.PreserveBlankLines)
          output_ << (settings_.IndentParagraphs ? prefix_ + firstLineIndent_ : prefix_);
        return;
      }
      line_ = prefix_;
      if (info.Kind == tkListBullet) {
        appendToken();
        inList_ = true;
        if (blankLineBetweenItems_ && !LastLineIsABlankLine())
          output_ << prefix_;
        return;
      }
      if (inList_)
        line_ += hangingIndent_;
      appendToken();
      return;
    }
    if (line_.isEmpty()) {
      line_ = prefix_;
      if (inList_)
        line_ += hangingIndent_;
      else if (settings_.IndentParagraphs)
        line_ += firstLineIndent_;
    }
    appendToken();
  }

  // Whether the line being built, with the token and its space, is too long.
  bool LineTooLong(QStringView text, bool spaceAfter) {
    if (settings_.FixedPitch)
      return line_.size() + text.size() + (spaceAfter ? 1 : 0) > settings_.WrapWidth;
    candidate_ = line_;
    candidate_ += text;
    if (spaceAfter)
      candidate_ += Space;
    return width_(candidate_) > xWidth_;
  }

  // The output is empty or ends in a line that is the bare prefix.
  bool LastLineIsABlankLine() const {
    return output_.isEmpty() || WithoutTrailingSpaces(output_.last()) == bareprefix_;
  }

  // No blank line at the very start or right after a blank line.
  void FinishLine() {
    if (!LastLineIsABlankLine() || WithoutTrailingSpaces(line_) != bareprefix_)
      output_ << line_;
  }

  const TReflowSettings& settings_;
  const TTextWidth& width_;
  const bool accepted_;
  const bool blankLineBetweenItems_;
  const QString prefix_;
  const QStringView bareprefix_;
  const QString firstLineIndent_;
  const QString hangingIndent_;
  int xWidth_ = 0;

  QStringList output_;
  QString line_;
  QString candidate_;
  bool inList_ = false;
};

}  // namespace

int FirstLineIndent(bool fixedPitch) { return fixedPitch ? 4 : 8; }

QStringList Reflow(QStringList lines, const TReflowSettings& settings, const TTextWidth& width,
                   const TListConfirm& confirm) {
  return Guard(ContextName("ApplyWordWrapButtonClick"), Mode::Propagate, [&] {
    if (!settings.FixedPitch && !width)
      RaiseMessage(QStringLiteral("No text width measure was given for a variable-pitch font"));
    const TListDetection detection = DetectList(lines);
    // The stream is built a part of the lines at a time: parsing, marking
    // bullets and joining word pieces never reach across a line end. Lines
    // the caller gave up are freed once parsed.
    TTokens part;
    const auto forEachPart = [&](const auto& use) {
      for (qsizetype first = 0; first < lines.size(); first += LinesPerPart) {
        const qsizetype count = std::min(LinesPerPart, lines.size() - first);
        part.Parse(lines, first, count);
        if (lines.isDetached())
          for (qsizetype i = first; i < first + count; ++i)
            lines[i] = QString();
        if (detection.Detected)
          part.MarkListBullets(detection.Pattern);
        part.Concatenate();
        use();
      }
    };
    if (!detection.Detected || !confirm) {
      // Nothing to ask: each part is wrapped as soon as it is ready.
      TWrapLoop loop(settings, width, TListAnswer());
      forEachPart([&] {
        part.RemoveListBullets();
        loop.Consume(part);
      });
      return loop.Finish();
    }
    // The question is about the whole stream: the widest bullet, padding.
    TTokens stream;
    forEachPart([&] { stream.Append(part); });
    const TListAnswer answer = confirm(stream, detection);
    if (!answer.Accepted)
      stream.RemoveListBullets();
    TWrapLoop loop(settings, width, answer);
    loop.Consume(stream);
    return loop.Finish();
  });
}
