#include "MinMax.h"

#include "ExceptionUnit.h"

namespace {

// Shortest general form, up to 15 significant digits: 2, 0.125.
QString FloatText(double v) { return QString::number(v, 'g', 15); }

template <class T, class ToText>
T Clamp(T value, T min, T max, ToText text) {
  if (min > max)
    RaiseMessage(QStringLiteral("Min > Max : ") + text(min) + QStringLiteral(" > ") + text(max));
  return value < min ? min : value > max ? max : value;
}

}  // namespace

int MinMaxInt(int value, int min, int max) {
  return Guard(TContextName("", "MinMaxInt"), Mode::Propagate, [&] {
    return Clamp(value, min, max, [](int v) { return QString::number(v); });
  });
}

double MinMaxFloat(double value, double min, double max) {
  return Guard(TContextName("", "MinMaxFloat"), Mode::Propagate, [&] {
    return Clamp(value, min, max, FloatText);
  });
}
