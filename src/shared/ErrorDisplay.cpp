#include "ErrorDisplay.h"

#include "ExceptionUnit.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QRegularExpression>

// Unguarded on purpose: this is where failures stop.
void ShowDefaultErrorDisplay(const std::exception& error) {
  QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(),
                  DisplayLineBreaks(ErrorMessage(error)), QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

QString DisplayLineBreaks(const QString& text) {
  return Guard(TContextName("", "DisplayLineBreaks"), Mode::Propagate, [&] {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r"));
    return QString(text).replace(lineBreak, QStringLiteral("\n"));
  });
}
