// Long division of magnitudes in base 65536: Knuth's algorithm D (TAOCP vol.
// 2, 4.3.1) with the steps named as he names them. Every routine here works
// on short-digit form; DivideDigitByDigit converts on the way in and out.
// The operators divide in machine words (integer_divide.cpp) and fall back
// on this route only where the platform has no division as wide as its
// operands; it is also the reference the word route is tested against.
#include <cassert>

#include "integer/integer_internals.h"

namespace {

constexpr std::uint32_t kBase = 65536;

std::uint16_t Low16(std::uint32_t value) { return static_cast<std::uint16_t>(value & 0xFFFFu); }

}  // namespace

UniversalInteger_Comparison_t UniversalInteger::CompareShortDigitsMagnitude(
    const UniversalInteger& other) const {
  if (_count != other._count) return _count > other._count ? Comparison_Greater : Comparison_Less;
  for (int digit = IntegerInternals::ClampedCount(_count) - 1; digit >= 0; --digit) {
    const std::uint16_t mine = IntegerInternals::ShortDigit(*this, digit);
    const std::uint16_t theirs = IntegerInternals::ShortDigit(other, digit);
    if (mine != theirs) return mine > theirs ? Comparison_Greater : Comparison_Less;
  }
  return Comparison_Equal;
}

// D1 (normalise): scale both operands by d so the divisor's top digit is at
// least 32768; that bounds each estimated digit to at most one too large.
std::uint16_t UniversalInteger::NormalizeForDivision(const UniversalInteger& divisor,
                                                     UniversalIntegerExtended& dividendWork,
                                                     UniversalIntegerExtended& divisorWork) const {
  const int top = IntegerInternals::ShortDigit(divisor, divisor._count - 1);
  assert(top != 0 && "divisor count must be exact");
  const auto factor = static_cast<std::uint16_t>(kBase / (static_cast<std::uint32_t>(top) + 1));
  dividendWork = UniversalIntegerExtended{1, static_cast<std::int16_t>(_count + 1), {}};
  divisorWork = UniversalIntegerExtended{1, divisor._count, {}};
  MultiplyByOneDigit(factor, dividendWork, 0);
  // The divisor's carry out of its top digit is always zero and is dropped.
  divisor.MultiplyByOneDigit(factor, divisorWork, 0);
  return factor;
}

// D3 (estimate): qhat from the top two window digits over the divisor's top
// digit, refined by the divisor's second digit.
std::uint16_t UniversalInteger::EstimateQuotientDigit(const UniversalIntegerExtended& dividendWork,
                                                      const UniversalIntegerExtended& divisorWork,
                                                      int step) {
  const int top = dividendWork.count - 1 - step;
  assert(top >= 2 && divisorWork.count >= 2);
  const std::uint32_t ua = dividendWork.digits[top];
  const std::uint32_t ub = dividendWork.digits[top - 1];
  const std::uint32_t uc = dividendWork.digits[top - 2];
  const std::uint32_t va = divisorWork.digits[divisorWork.count - 1];
  const std::uint32_t vb = divisorWork.digits[divisorWork.count - 2];

  const std::uint32_t window = ua * kBase + ub;
  // The estimate can reach or pass the base (ua == va); one digit holds 65535.
  std::uint32_t estimate = window / va;
  if (estimate >= kBase) estimate = kBase - 1;
  for (int decrements = 0; decrements < 2; ++decrements) {
    const std::uint32_t rest = window - estimate * va;
    // Once rest * 65536 passes 2^31 - 1 the refinement stops; the estimate is
    // then at most one too large and D6 puts it right.
    if (rest >= 32768u) break;
    const std::uint32_t threeDigitRest = rest * kBase + uc;
    if (threeDigitRest > 2147483647u) break;
    if (estimate * vb <= threeDigitRest) break;
    --estimate;
  }
  return Low16(estimate);
}

// D4 (multiply and subtract) and D6 (add back). The window is the n + 1
// digits of the working dividend under the current step.
std::uint16_t UniversalInteger::MultiplyAndSubtract(UniversalIntegerExtended& dividendWork,
                                                    const UniversalIntegerExtended& divisorWork,
                                                    std::uint16_t estimate, int step) {
  if (estimate == 0) return 0;
  const int n = divisorWork.count;
  std::uint16_t* window = dividendWork.digits + (dividendWork.count - n - 1 - step);
  assert(dividendWork.count - n - 1 - step >= 0 && n + 1 <= 7);

  std::uint16_t scratch[7];
  std::uint32_t carry = 0;
  std::uint32_t borrow = 0;
  for (int i = 0; i < n; ++i) {
    const std::uint32_t product = std::uint32_t{divisorWork.digits[i]} * estimate + carry;
    const std::uint32_t difference = window[i] + kBase - (product & 0xFFFFu) - borrow;
    scratch[i] = Low16(difference);
    borrow = difference < kBase ? 1u : 0u;
    carry = product >> 16;
  }
  const std::uint32_t top = window[n] + kBase - borrow - carry;
  scratch[n] = Low16(top);

  if (top >= kBase) {  // D5: no borrow out of the top, the digit stands
    for (int i = 0; i <= n; ++i) window[i] = scratch[i];
    return estimate;
  }
  // D6: the estimate was one too large; add the divisor back once. The carry
  // out of the top cancels the borrow and is dropped.
  std::uint32_t addCarry = 0;
  for (int i = 0; i < n; ++i) {
    const std::uint32_t sum = scratch[i] + addCarry + divisorWork.digits[i];
    window[i] = Low16(sum);
    addCarry = sum >> 16;
  }
  window[n] = Low16(scratch[n] + addCarry);
  return static_cast<std::uint16_t>(estimate - 1);
}

void UniversalInteger::DivideByOneDigit(std::uint16_t divisor, UniversalInteger& quotient,
                                        std::uint16_t& remainder) const {
  assert(divisor != 0);
  const int quotientDigits = IntegerInternals::ClampedCount(quotient._count);
  std::uint32_t running = 0;
  for (int digit = IntegerInternals::ClampedCount(_count) - 1; digit >= 0; --digit) {
    const std::uint32_t window = running * kBase + IntegerInternals::ShortDigit(*this, digit);
    // Reading digit i before writing it lets quotient be this very record.
    if (digit < quotientDigits) {
      IntegerInternals::SetShortDigit(quotient, digit, Low16(window / divisor));
    }
    running = window % divisor;
  }
  remainder = Low16(running);
}

void UniversalInteger::DivideShortDigits(const UniversalInteger& divisor,
                                         UniversalInteger& quotient,
                                         UniversalInteger& remainder) {
  assert(_count >= 0 && _count <= 6 && divisor._count >= 0 && divisor._count <= 6);
  quotient = _zero;
  remainder = _zero;
  // A zero dividend of either sign is +0 over any divisor, zero included.
  if (_count == 0) return;
  if (divisor._count == 0) throw UTypes_StatusCodeException(UTypes_Error);

  switch (CompareShortDigitsMagnitude(divisor)) {
    case Comparison_Less:
      remainder = *this;
      break;
    case Comparison_Equal:
      quotient = _one;
      quotient.ToggleBetweenShortAndIntDigits();
      break;
    case Comparison_Greater: {
      quotient._count = static_cast<std::int16_t>(_count - divisor._count + 1);
      remainder._count = divisor._count;
      if (divisor._count == 1) {
        std::uint16_t digit = 0;
        DivideByOneDigit(IntegerInternals::ShortDigit(divisor, 0), quotient, digit);
        IntegerInternals::SetShortDigit(remainder, 0, digit);
      } else {
        UniversalIntegerExtended dividendWork;
        UniversalIntegerExtended divisorWork;
        const std::uint16_t factor = NormalizeForDivision(divisor, dividendWork, divisorWork);
        for (int step = 0; step <= _count - divisor._count; ++step) {  // D2..D7
          const std::uint16_t digit = MultiplyAndSubtract(
              dividendWork, divisorWork, EstimateQuotientDigit(dividendWork, divisorWork, step),
              step);
          IntegerInternals::SetShortDigit(quotient, quotient._count - 1 - step, digit);
        }
        // D8 (unnormalise): the remainder is the low n working digits over d;
        // the division is exact.
        for (int digit = 0; digit < divisor._count; ++digit) {
          IntegerInternals::SetShortDigit(remainder, digit, dividendWork.digits[digit]);
        }
        std::uint16_t exactRest = 0;
        remainder.DivideByOneDigit(factor, remainder, exactRest);
        assert(exactRest == 0);
      }
      quotient._count = quotient.CountShortDigits();
      remainder._count = remainder.CountShortDigits();
      break;
    }
  }
  const auto sign = static_cast<std::int16_t>(_sign * divisor._sign);
  if (quotient._count != 0) quotient._sign = sign;
  if (remainder._count != 0) remainder._sign = sign;
}

void IntegerInternals::DivideDigitByDigit(const UniversalInteger& dividend,
                                          const UniversalInteger& divisor,
                                          UniversalInteger& quotient, UniversalInteger& remainder) {
  UniversalInteger shortDividend = InShortDigitForm(dividend);
  shortDividend.DivideShortDigits(InShortDigitForm(divisor), quotient, remainder);
  quotient.ToggleBetweenShortAndIntDigits();
  remainder.ToggleBetweenShortAndIntDigits();
}

