#pragma once
// The application object of both programs. An error that leaves an event
// handler in propagate mode ends here, in the default error display, and the
// program carries on.

#include <QApplication>

class TApplication : public QApplication {
public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override;
};
