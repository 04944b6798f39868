// Signed addition and subtraction, and the library's overflow check.
#include "integer/integer_internals.h"
#include "integer/integer_order.h"
#include "integer/magnitude96.h"

void UniversalInteger::AddMagnitude(const UniversalInteger& other,
                                    UniversalInteger& result) const {
  result = _zero;
  result._sign = _sign;
  const int digits =
      std::max(IntegerInternals::ClampedCount(_count), IntegerInternals::ClampedCount(other._count));
  if (digits == 0) return;
  const int words = (digits + 1) / 2;
  std::uint32_t carry = 0;
  for (int word = 0; word < words; ++word) {
    const std::uint64_t sum =
        std::uint64_t{_words[word]} + std::uint64_t{other._words[word]} + carry;
    result._words[word] = static_cast<std::uint32_t>(sum);
    carry = static_cast<std::uint32_t>(sum >> 32);
  }
  if (carry != 0) {
    // A carry out of the top word of a six-digit sum is the only overflow.
    if (words == 3) IntegerInternals::ThrowOverflow();
    result._words[words] = carry;
  }
  result._count = IntegerInternals::CountFromWords(result._words);
}

void UniversalInteger::SubtractMagnitude(const UniversalInteger& other,
                                         UniversalInteger& result) const {
  result = _zero;
  result._sign = _sign;
  if (other._count == 0) {
    result = *this;
    return;
  }
  std::uint32_t borrow = 0;
  for (int word = 0; word < IntegerInternals::CoveredWords(_count); ++word) {
    const std::uint64_t difference =
        std::uint64_t{_words[word]} - std::uint64_t{other._words[word]} - borrow;
    result._words[word] = static_cast<std::uint32_t>(difference);
    borrow = static_cast<std::uint32_t>(difference >> 63);
  }
  result._count = IntegerInternals::CountFromWords(result._words);
}

UniversalInteger IntegerInternals::AddWordByWord(const UniversalInteger& left,
                                                 const UniversalInteger& right) {
  UniversalInteger result;
  if (left._sign == right._sign) {
    left.AddMagnitude(right, result);
    return result;
  }
  switch (left.CompareMagnitude(right)) {
    case Comparison_Greater:
      left.SubtractMagnitude(right, result);
      break;
    case Comparison_Less:
      right.SubtractMagnitude(left, result);
      break;
    case Comparison_Equal:
      break;  // x + (-x) is zero with sign +1
  }
  return result;
}

namespace {

using RecordBits = Magnitude96::RecordBits;

// What the word loops compute, in two machine words, for any record: the
// subtraction runs over the words the larger operand's count covers and
// wraps there; a zero-count smaller operand leaves the larger as it is.
RecordBits DifferenceBits(const UniversalInteger& larger, const UniversalInteger& smaller,
                          std::int16_t largerSign) {
  if (IntegerInternals::Count(smaller) == 0) {
    UniversalInteger copy = larger;
    IntegerInternals::Sign(copy) = largerSign;
    return RecordBits::Of(copy);
  }
  const Magnitude96 mask = Magnitude96::CoverageMask(IntegerInternals::Count(larger));
  return Magnitude96::Subtract(Magnitude96::Whole(larger).MaskedBy(mask),
                               Magnitude96::Whole(smaller).MaskedBy(mask))
      .MaskedBy(mask)
      .BitsWithSign(largerSign);
}

// The sum runs over the words the larger count covers; a carry out of the
// top word is the only overflow (below three words it has room). Overflow is
// reported through fits, not thrown: the flat calls return it as a status.
RecordBits SumBits(const UniversalInteger& left, const UniversalInteger& right,
                   std::int16_t rightSign, bool& fits) {
  const std::int16_t leftSign = IntegerInternals::Sign(left);
  if (leftSign == rightSign) {
    const Magnitude96 mask = Magnitude96::CoverageMask(
        std::max(IntegerInternals::Count(left), IntegerInternals::Count(right)));
    Magnitude96 sum;
    fits = Magnitude96::Add(Magnitude96::Whole(left).MaskedBy(mask),
                            Magnitude96::Whole(right).MaskedBy(mask), sum);
    return sum.BitsWithSign(leftSign);
  }
  switch (universaltypes::detail::MagnitudeOrder(left, right)) {
    case Comparison_Greater:
      return DifferenceBits(left, right, leftSign);
    case Comparison_Less:
      return DifferenceBits(right, left, rightSign);
    case Comparison_Equal:
      break;
  }
  return Magnitude96::ZeroBits();  // x + (-x) is zero with sign +1
}

// Out of line, so the exact-count route's record stays in registers: joined
// with this one's, g++ merges the two through memory.
[[gnu::noinline]] UniversalInteger SumOfAnyRecords(const UniversalInteger& left,
                                                   const UniversalInteger& right, std::int16_t rightSign,
                                                   bool& fits) {
  return SumBits(left, right, rightSign, fits).Record();
}

// With exact counts the count order is the magnitude order and no word lies
// outside a count's coverage, so the word loops' masks and count comparisons
// drop out, whatever the sign fields hold.
RecordBits ExactCountSumBits(const UniversalInteger& left, const UniversalInteger& right,
                             std::int16_t rightSign, bool& fits) {
  const std::int16_t leftSign = IntegerInternals::Sign(left);
  const Magnitude96 a = Magnitude96::Whole(left);
  const Magnitude96 b = Magnitude96::Whole(right);
  if (leftSign == rightSign) {
    Magnitude96 sum;
    fits = Magnitude96::Add(a, b, sum);
    return sum.BitsWithSign(leftSign);
  }
  const int order = a.OrderAgainst(b);
  if (order > 0) return Magnitude96::Subtract(a, b).BitsWithSign(leftSign);
  if (order < 0) return Magnitude96::Subtract(b, a).BitsWithSign(rightSign);
  return Magnitude96::ZeroBits();
}

}  // namespace

bool IntegerInternals::TryAddWithSign(const UniversalInteger& left, const UniversalInteger& right,
                                      std::int16_t rightSign, UniversalInteger& sum) {
  bool fits = true;
  const bool leftExact = Magnitude96::HasExactCount(left);
  const bool rightExact = Magnitude96::HasExactCount(right);
  if (leftExact && rightExact) {
    sum = ExactCountSumBits(left, right, rightSign, fits).Record();
  } else {
    sum = SumOfAnyRecords(left, right, rightSign, fits);
  }
  if (!fits) NoteOverflow();
  return fits;
}

UniversalInteger IntegerInternals::AddWithSign(const UniversalInteger& left,
                                               const UniversalInteger& right,
                                               std::int16_t rightSign) {
  UniversalInteger sum = Make(kPlus, 0, 0, 0, 0);
  if (!TryAddWithSign(left, right, rightSign, sum)) ThrowOverflowNoted();
  return sum;
}

UniversalInteger IntegerInternals::Add(const UniversalInteger& left, const UniversalInteger& right) {
  return AddWithSign(left, right, right._sign);
}

UniversalInteger IntegerInternals::Subtract(const UniversalInteger& left,
                                            const UniversalInteger& right) {
  return AddWithSign(left, right, static_cast<std::int16_t>(-right._sign));
}

UniversalInteger UniversalInteger::operator+(const UniversalInteger& other) const {
  return IntegerInternals::Add(*this, other);
}

UniversalInteger UniversalInteger::operator-(const UniversalInteger& other) const {
  return IntegerInternals::Subtract(*this, other);
}

UniversalInteger& UniversalInteger::operator+=(const UniversalInteger& other) {
  *this = IntegerInternals::Add(*this, other);
  return *this;
}

UniversalInteger& UniversalInteger::operator-=(const UniversalInteger& other) {
  *this = IntegerInternals::Subtract(*this, other);
  return *this;
}
