#include "ListWrapUnit.h"

#include "ExceptionUnit.h"
#include "SortedTokensUnit.h"
#include "StrFcns.h"
#include "TextModel.h"

namespace {

TContextName ContextName(const char* name) { return TContextName("ListWrapDialog.", name); }

const QChar Space(u' ');

void RequireMeasure(const TTextWidth& width) {
  if (!width)
    RaiseMessage(QStringLiteral("No text width measure was given"));
}

}  // namespace

QString ListDetectedMessage(int dominantListType) {
  return Guard(ContextName("FormShow"), Mode::Propagate, [&] {
    return QStringLiteral("The text that you want to wrap seems to contain a ") + DominantListTypeStr(dominantListType) +
           QStringLiteral(" list. ");
  });
}

QString LongestListBullet(const TTokens& stream, const TTextWidth& width) {
  return Guard(ContextName("LongestListBullet"), Mode::Propagate, [&] {
    RequireMeasure(width);
    QString widest;
    int widestWidth = 0;
    bool found = false;
    for (int i = 0; i < stream.Count(); ++i) {
      if (stream.GetInfoAtIndex(i).Kind != tkListBullet)
        continue;
      const QString bullet = stream.Text(i);
      const int w = width(bullet);
      if (!found || w >= widestWidth) {
        widest = bullet;
        widestWidth = w;
        found = true;
      }
    }
    return widest;
  });
}

int DefaultListItemIndent(const QString& widestBullet, const TTextWidth& width) {
  return Guard(ContextName("InitScrollBar1"), Mode::Propagate, [&] {
    RequireMeasure(width);
    // The scroll bar stops at 20 anyway; counting no further also ends the
    // loop under a measure that gives spaces no width.
    const int target = width(widestBullet);
    QString spaces;
    while (spaces.size() < MaxListItemIndent && width(spaces) < target)
      spaces += Space;
    return int(spaces.size());
  });
}

void PadBullets(TTokens& stream, const TTextWidth& width) {
  Guard(ContextName("PadBullets"), Mode::Propagate, [&] {
    const int target = width(LongestListBullet(stream, width));
    for (int i = 0; i < stream.Count(); ++i) {
      if (stream.GetInfoAtIndex(i).Kind != tkListBullet)
        continue;
      QString bullet = stream.Text(i);
      int w = width(bullet);
      if (w >= target)
        continue;
      while (w < target) {
        const qsizetype lastSpace = bullet.lastIndexOf(Space);
        bullet.insert(lastSpace < 0 ? bullet.size() : lastSpace + 1, Space);
        const int wider = width(bullet);
        if (wider <= w)
          break;
        w = wider;
      }
      stream.SetText(i, bullet);
    }
  });
}

QString ListSampleText(const QString& widestBullet) {
  return Guard(ContextName("FormShow"), Mode::Propagate, [&] {
    return widestBullet +
           QStringLiteral("Any list items that are too long to fit on one line will be word wrapped and indented to this "
                          "position.");
  });
}

TListSample IndentSample(const QString& sampleText, int labelWidth, int hangingIndent, const TTextWidth& width) {
  return Guard(ContextName("IndentSampleLabel"), Mode::Propagate, [&] {
    RequireMeasure(width);
    TTokens tokens;
    tokens.Parse(SplitLines(sampleText));
    tokens.Concatenate();
    tokens.StripBlankLines();
    const QString indent = FillString(hangingIndent, Space);
    const int limit = labelWidth - width(QStringLiteral("X"));
    TListSample sample;
    int lineWidth = 0;
    while (!tokens.IsEmpty()) {
      const QString word = tokens.Text(0);
      if (lineWidth != 0 && lineWidth + width(word) > limit) {
        ++sample.Lines;
        const QString piece = indent + word + Space;
        lineWidth = width(piece);
        sample.Text += QStringLiteral("\r") + piece;
      } else {
        lineWidth += width(word + Space);
        sample.Text += word + Space;
      }
      tokens.DeleteFirst();
    }
    return sample;
  });
}

QString ListIndentCaption(int indent) {
  return Guard(ContextName("ScrollBar1Change"), Mode::Propagate, [&] {
    return indent == 1 ? QStringLiteral("1 space") : QString::number(indent) + QStringLiteral(" spaces");
  });
}
