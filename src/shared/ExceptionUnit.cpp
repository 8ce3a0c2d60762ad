#include "ExceptionUnit.h"

#include <QRegularExpression>
#include <cstdio>

TError::TError(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}

QString TContextName::ToString() const {
  if (!full_.isEmpty())
    return full_;
  return QString::fromLatin1(prefix_) + QString::fromLatin1(name_);
}

void RaiseMessage(const QString& message) { throw TError(message); }

QString ErrorMessage(const std::exception& error) {
  if (const auto* own = dynamic_cast<const TError*>(&error))
    return own->Message();
  return QString::fromLocal8Bit(error.what());
}

namespace {

TFinalReporter& FinalReporter() {
  static TFinalReporter reporter = [](const QString& report) {
    std::fputs(report.toLocal8Bit().constData(), stderr);
  };
  return reporter;
}

QString JoinedWithCrLf(const QString& message) {
  static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
  QStringList lines = message.split(lineBreak);
  if (!lines.isEmpty() && lines.last().isEmpty())
    lines.removeLast();  // a final break ends the last line, it adds none
  QString joined;
  for (const QString& line : lines)
    joined += line + QStringLiteral("\r\n");
  return joined;
}

}  // namespace

void SetFinalReporter(TFinalReporter reporter) { FinalReporter() = std::move(reporter); }

void ReportException(const std::exception& error, const QString& context, bool propagate) {
  const QString text = context + QStringLiteral("\r\n") + JoinedWithCrLf(ErrorMessage(error));
  if (propagate)
    throw TError(text);
  FinalReporter()(text);
}
