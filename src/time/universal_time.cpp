// UniversalTime construction, presets, the analog flag, accessors and the
// array and byte-buffer conversions.
#include <cstring>

#include "integer/magnitude96.h"
#include "time/time_internals.h"

using universaltypes::detail::Magnitude96;

// Constant-initialised: valid before any static initialiser runs.
constinit bool UniversalTime::_analogExists = true;
constinit const UniversalTime UniversalTime::_zero =
    TimeInternals::Make(IntegerInternals::Make(1, 0, 0, 0, 0), 0.0);
constinit const UniversalTime UniversalTime::TickLow = TimeInternals::Make(
    IntegerInternals::Make(-1, 6, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu), 0.0);
constinit const UniversalTime UniversalTime::TickHigh = TimeInternals::Make(
    IntegerInternals::Make(1, 6, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu), 0.0);

UniversalTime::UniversalTime() : UniversalTime(_zero) {}

UniversalTime::UniversalTime(int ticks) : _physicalTime(ticks), _offsetTime(0.0) {}

UniversalTime::UniversalTime(const UniversalInteger& ticks)
    : _physicalTime(ticks), _offsetTime(UniversalReal::Get_TheConstantZero()) {}

UniversalTime::UniversalTime(const UniversalInteger& ticks, const UniversalReal& offset)
    : _physicalTime(ticks), _offsetTime(offset) {
  double normalized = _offsetTime;
  TimeInternals::NormalizeOffset(_physicalTime, normalized);
  _offsetTime = normalized;
}

UniversalTime::UniversalTime(UniversalTimeChoice choice) : UniversalTime(_zero) {
  if (choice == TickLowChoice) *this = TickLow;
  if (choice == TickHighChoice) *this = TickHigh;
}

const UniversalInteger& UniversalTime::UniversalToPhysicalTime() const { return _physicalTime; }
UniversalReal UniversalTime::Get_OffsetTime() const { return _offsetTime; }

void UniversalTime::ConvertIntsToUniversalTime(int* ints) {
  _physicalTime.ConvertIntsToUniversalInteger(ints);
  _offsetTime = UniversalReal::Get_TheConstantZero();
}

void UniversalTime::ConvertUniversalTimeToInts(int* ints) const {
  _physicalTime.ConvertUniversalIntegerToInts(ints);
}

void UniversalTime::CopyMemory(unsigned char* const buffer, int& position) const {
  if (buffer == nullptr || position < 0) return;
  std::memcpy(buffer + position, this, sizeof *this);
  position += static_cast<int>(sizeof *this);
}

void UniversalTime::Set_AnalogExists(bool analogExists) { TimeInternals::SetAnalogExists(analogExists); }
bool UniversalTime::Get_AnalogExists() { return TimeInternals::AnalogExists(); }
const UniversalTime& UniversalTime::Get_TheConstantZero() { return _zero; }
const UniversalTime& UniversalTime::Get_TheConstantTickLow() { return TickLow; }
const UniversalTime& UniversalTime::Get_TheConstantTickHigh() { return TickHigh; }

void TimeInternals::BorrowForNegativeOffset(UniversalInteger& ticks, double& offset) {
  if (!(offset < 0.0)) return;
  const UniversalInteger borrow = UniversalInteger::Get_TheConstantOne() -
                                  UniversalInteger(UniversalReal(offset));
  ticks = ticks - borrow;
  offset = static_cast<double>(UniversalReal(borrow)) + offset;
}

void TimeInternals::NormalizeOffset(UniversalInteger& ticks, double& offset) {
  BorrowForNegativeOffset(ticks, offset);
  if (offset >= 1.0) {
    // Below 2^64 the carry is the offset's truncation in one machine word,
    // the value the conversion from a real gives, without its word split.
    const UniversalInteger carry = offset < 18446744073709551616.0
                                       ? Magnitude96{static_cast<std::uint64_t>(offset), 0}.WithSign(
                                             IntegerInternals::kPlus)
                                       : UniversalInteger(UniversalReal(offset));
    ticks = IntegerInternals::Add(ticks, carry);
    offset -= IntegerInternals::ToDouble(carry);
  }
  CanonicalZeros(ticks, offset);
}

void TimeInternals::CanonicalZeros(UniversalInteger& ticks, double& offset) {
  // One zero each, so equal records have equal bytes: a product by a
  // negative factor leaves -0.0, a wrapped tick product a negative zero.
  if (offset == 0.0) offset = 0.0;
  if (IntegerInternals::Count(ticks) == 0 && IntegerInternals::Sign(ticks) == IntegerInternals::kMinus) {
    IntegerInternals::Sign(ticks) = IntegerInternals::kPlus;
  }
}
