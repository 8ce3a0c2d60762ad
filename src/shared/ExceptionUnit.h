#pragma once
// The routine-guard convention shared by every program: a routine runs its
// body under Guard(); an escaping std::exception gets the routine's context
// name put on top and is either raised again (Propagate) or shown and logged
// where it stops (Final). Anything not derived from std::exception passes.

#include <QString>
#include <QByteArray>
#include <exception>
#include <functional>
#include <type_traits>

// The plain error object: only its message travels up the chain.
class TError : public std::exception {
public:
  explicit TError(QString message);
  const QString& Message() const noexcept { return message_; }
  const char* what() const noexcept override { return utf8_.constData(); }

private:
  QString message_;
  QByteArray utf8_;
};

enum class Mode { Propagate, Final };

// Handlers that code also calls without a sender report where they stop only
// when the user started them.
inline Mode ModeFor(bool hasSender) { return hasSender ? Mode::Final : Mode::Propagate; }

// A routine's context name, "TMainWindow." + "Push". Built only when an
// error is actually reported, so a guard costs nothing on the normal path.
class TContextName {
public:
  constexpr TContextName(const char* prefix, const char* name) : prefix_(prefix), name_(name) {}
  TContextName(QString fullName) : prefix_(""), name_(""), full_(std::move(fullName)) {}
  QString ToString() const;

private:
  const char* prefix_;
  const char* name_;
  QString full_;
};

[[noreturn]] void RaiseMessage(const QString& message);

// The text an error carries: a TError's message, otherwise what().
QString ErrorMessage(const std::exception& error);

// Propagate: raises a TError whose message is context + CR LF + the error's
// message (lines re-joined with CR LF). Final: hands that text to the final
// reporter and returns.
void ReportException(const std::exception& error, const QString& context, bool propagate);

// Where Final reports go. The editor installs its System Error window; until
// then (and in programs without one) reports go to standard error.
using TFinalReporter = std::function<void(const QString& report)>;
void SetFinalReporter(TFinalReporter reporter);

template <class Body>
auto Guard(const TContextName& context, Mode mode, Body&& body) -> decltype(body()) {
  try {
    return body();
  } catch (const std::exception& error) {
    ReportException(error, context.ToString(), mode == Mode::Propagate);
    if constexpr (!std::is_void_v<decltype(body())>)
      return {};
  }
}
