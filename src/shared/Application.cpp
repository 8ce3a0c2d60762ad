#include "Application.h"

#include "ErrorDisplay.h"

#include <exception>

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ShowDefaultErrorDisplay(error);
    return false;
  }
}
