// Construction, process-wide constants, the array form and the short-digit
// form conversion of UniversalInteger.
#include <bit>
#include <utility>

#include "integer/integer_internals.h"

// Every process-wide value is constant-initialised: it is valid before any
// static initialiser runs, so a host's own initialiser that reads it (in any
// translation unit, in any order) sees the right value.
constinit const UniversalInteger UniversalInteger::_zero{1, 0, 0, 0, 0};
constinit const UniversalInteger UniversalInteger::_one{1, 1, 1, 0, 0};
constinit const UniversalInteger UniversalInteger::IntegerHigh{
    1, 6, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu};
constinit const UniversalInteger UniversalInteger::IntegerLow{
    -1, 6, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu};
// Equivalent to asking whether the first 16-bit half of _one's word 0, as it
// lies in memory, is zero.
constinit const MachineEndian_t UniversalInteger::_machineEndian =
    std::endian::native == std::endian::big ? BigEndian : LittleEndian;
constinit UniversalInteger::StatusCodes UniversalInteger::_status = Status_OK;

UniversalInteger::UniversalInteger() : UniversalInteger(_zero) {}

UniversalInteger::UniversalInteger(int value) : UniversalInteger(_zero) {
  if (value == 0) return;
  // Negating through unsigned arithmetic gives the most negative int the
  // magnitude 2^31 without overflow.
  const std::uint32_t magnitude =
      value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
  _sign = static_cast<std::int16_t>(value < 0 ? -1 : 1);
  _count = universaltypes::detail::SignificantDigitCount(magnitude, 0);
  _words[0] = magnitude;
}

UniversalInteger::UniversalInteger(UniversalIntegerChoice choice) : UniversalInteger(_zero) {
  IntegerInternals::SetStatus(Status_OK);
  switch (choice) {
    case IntegerHighChoice:
      *this = IntegerHigh;
      break;
    case IntegerLowChoice:
      *this = IntegerLow;
      break;
    default:
      // Unknown choice: the status word says so; the record stays a defined
      // zero rather than indeterminate bytes.
      IntegerInternals::SetStatus(Status_Error);
      break;
  }
}

void UniversalInteger::ConvertIntsToUniversalInteger(int* ints) {
  _sign = static_cast<std::int16_t>(ints[0]);
  _count = static_cast<std::int16_t>(ints[1]);
  for (int word = 0; word < 3; ++word) _words[word] = static_cast<std::uint32_t>(ints[2 + word]);
}

void UniversalInteger::ConvertUniversalIntegerToInts(int* ints) const {
  ints[0] = _sign;
  ints[1] = _count;
  for (int word = 0; word < 3; ++word) ints[2 + word] = static_cast<int>(_words[word]);
}

const UniversalInteger& UniversalInteger::Get_TheConstantZero() { return _zero; }
const UniversalInteger& UniversalInteger::Get_TheConstantOne() { return _one; }
MachineEndian_t UniversalInteger::Get_MachineEndian() { return _machineEndian; }
UniversalInteger::StatusCodes UniversalInteger::Status() { return universaltypes::detail::LoadShared(_status); }

void UniversalInteger::ToggleBetweenShortAndIntDigits() {
  if (_machineEndian == LittleEndian) return;
  // Big-endian: each word holds its high half first in memory; swapping the
  // halves puts digit k at 16-bit position k. Uncovered words are zero.
  for (int word = 0; word < IntegerInternals::CoveredWords(_count); ++word) {
    _words[word] = std::rotl(_words[word], 16);
  }
}

short UniversalInteger::CountShortDigits() const {
  for (int digit = IntegerInternals::kMaxDigits - 1; digit >= 0; --digit) {
    if (IntegerInternals::ShortDigit(*this, digit) != 0) return static_cast<short>(digit + 1);
  }
  return 0;
}
