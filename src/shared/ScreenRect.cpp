#include "ScreenRect.h"

#include "ExceptionUnit.h"

#include <QGuiApplication>
#include <QScreen>

QRect ScreenRect() {
  return Guard(TContextName("", "ScreenRect"), Mode::Propagate, [] {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
      RaiseMessage(QStringLiteral("No screen"));
    return screen->geometry();
  });
}

QPoint CentredOn(const QRect& screen, QSize size) {
  return Guard(TContextName("", "CentredOn"), Mode::Propagate, [&] {
    return screen.topLeft() + QPoint((screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2);
  });
}
