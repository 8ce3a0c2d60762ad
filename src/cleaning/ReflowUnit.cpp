#include "ReflowUnit.h"

#include "ExceptionUnit.h"
#include "MinMax.h"
#include "StrFcns.h"

namespace {

TContextName ContextName(const char* name) { return TContextName("TMainWindow.", name); }

const QChar Space(u' ');

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
  }

  QStringList Run(TTokens& stream) {
    if (settings_.LeadingBlankLine)
      output_ << QString();
    while (!stream.IsEmpty()) {
      Take(stream.TextView(0), stream.GetInfoAtIndex(0));
      stream.DeleteFirst();
    }
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
    TTokens stream;
    stream.Parse(lines);
    const TListDetection detection = DetectList(lines);
    lines = QStringList();
    if (detection.Detected)
      stream.MarkListBullets(detection.Pattern);
    stream.Concatenate();
    TListAnswer answer;
    if (detection.Detected && confirm)
      answer = confirm(stream, detection);
    if (!answer.Accepted)
      stream.RemoveListBullets();
    return TWrapLoop(settings, width, answer).Run(stream);
  });
}
