// UniversalReal construction, constants and arithmetic: one double operation
// per operator, nothing checked or reported.
#include "real/real_internals.h"

constinit const UniversalReal UniversalReal::_zero = RealInternals::Make(0.0);
constinit const UniversalReal UniversalReal::_one = RealInternals::Make(1.0);

UniversalReal::UniversalReal() : _value(0.0) {}
UniversalReal::UniversalReal(double value) : _value(value) {}

UniversalReal& UniversalReal::operator+=(const UniversalReal& other) {
  _value += other._value;
  return *this;
}
UniversalReal& UniversalReal::operator-=(const UniversalReal& other) {
  _value -= other._value;
  return *this;
}
UniversalReal UniversalReal::operator+(const UniversalReal& other) const {
  return _value + other._value;
}
UniversalReal UniversalReal::operator-(const UniversalReal& other) const {
  return _value - other._value;
}
UniversalReal UniversalReal::operator*(const double& other) const { return _value * other; }
UniversalReal UniversalReal::operator*(const int& other) const {
  return _value * static_cast<double>(other);
}
UniversalReal UniversalReal::operator/(const double& other) const { return _value / other; }
UniversalReal UniversalReal::operator/(const int& other) const {
  return _value / static_cast<double>(other);
}

bool UniversalReal::operator==(const UniversalReal& other) const { return _value == other._value; }
bool UniversalReal::operator!=(const UniversalReal& other) const { return !(*this == other); }
bool UniversalReal::operator<(const UniversalReal& other) const { return _value < other._value; }
bool UniversalReal::operator<=(const UniversalReal& other) const { return _value <= other._value; }
bool UniversalReal::operator>(const UniversalReal& other) const { return _value > other._value; }
bool UniversalReal::operator>=(const UniversalReal& other) const { return _value >= other._value; }

UniversalReal::operator double() const { return _value; }
double UniversalReal::UniversalRealToDouble() const { return _value; }

const UniversalReal& UniversalReal::Get_TheConstantZero() { return _zero; }
const UniversalReal& UniversalReal::Get_TheConstantOne() { return _one; }
