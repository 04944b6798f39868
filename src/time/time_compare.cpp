// Time comparisons: tick counts decide first; between equal tick counts the
// offsets decide, but only while the analog flag is set.
#include "integer/integer_order.h"
#include "time/time_internals.h"

namespace {

struct Order {
  int ticks;
  double leftOffset, rightOffset;
  bool analog;
};

Order Compare(const UniversalTime& left, const UniversalTime& right) {
  // The tick order is the integers' signed order: sign words as signed
  // numbers first, then magnitudes in the direction the common sign gives.
  using universaltypes::detail::SignedOrder;
  return {SignedOrder(TimeInternals::Ticks(left), TimeInternals::Ticks(right)),
          TimeInternals::Offset(left), TimeInternals::Offset(right), TimeInternals::AnalogExists()};
}

}  // namespace

bool UniversalTime::operator==(const UniversalTime& other) const {
  const Order order = Compare(*this, other);
  return order.ticks == 0 && (!order.analog || order.leftOffset == order.rightOffset);
}
bool UniversalTime::operator!=(const UniversalTime& other) const { return !(*this == other); }

bool UniversalTime::operator<(const UniversalTime& other) const {
  const Order order = Compare(*this, other);
  if (order.ticks != 0 || !order.analog) return order.ticks < 0;
  return order.leftOffset < order.rightOffset;
}
bool UniversalTime::operator>(const UniversalTime& other) const {
  const Order order = Compare(*this, other);
  if (order.ticks != 0 || !order.analog) return order.ticks > 0;
  return order.leftOffset > order.rightOffset;
}
// "Not greater", so a NaN offset between equal ticks makes it true.
bool UniversalTime::operator<=(const UniversalTime& other) const { return !(*this > other); }
bool UniversalTime::operator>=(const UniversalTime& other) const { return !(*this < other); }

bool UniversalTime::operator==(const UniversalInteger& ticks) const {
  return *this == UniversalTime(ticks);
}
bool UniversalTime::operator<(const UniversalInteger& ticks) const {
  return *this < UniversalTime(ticks);
}
bool UniversalTime::operator<=(const UniversalInteger& ticks) const {
  return *this <= UniversalTime(ticks);
}
bool UniversalTime::operator>(const UniversalInteger& ticks) const {
  return *this > UniversalTime(ticks);
}
bool UniversalTime::operator>=(const UniversalInteger& ticks) const {
  return *this >= UniversalTime(ticks);
}
