// Operands for the benchmarks, made once in the int128 reference's form and
// converted into every other implementation's own: the library's classes,
// the flat records, Boost's checked_int128_t and GMP's mpz_class (SystemC's
// sc_time is converted where it is used). Canonical() writes any result as
// one text, so results of different implementations can be compared.
#ifndef UNIVERSALTYPES_BENCH_OPERANDS_H
#define UNIVERSALTYPES_BENCH_OPERANDS_H

#include <gmpxx.h>

#include <boost/multiprecision/cpp_int.hpp>
#include <random>
#include <string>
#include <type_traits>
#include <utility>

#include "flat_functions.h"
#include "harness.h"
#include "int128_time_reference.h"
#include "reference_text.h"
#include "universaltypes/universal_time.h"

namespace sc_core {
class sc_time;
}

namespace bench {

using CheckedInt128 = boost::multiprecision::checked_int128_t;
using Random = std::mt19937_64;

inline constexpr std::size_t kPoolSize = 1024;

int UniformInt(Random& random, int low, int high);
// A magnitude of exactly `bits` bits (zero for none).
Uint128 RandomMagnitude(Random& random, int bits);

// count pairs with random signs; chooseBits(random) gives the bit lengths of
// each pair's magnitudes. The same seed gives the same pairs.
template <typename ChooseBits>
Pairs<Int128Integer> RandomIntegerPairs(std::size_t count, ChooseBits chooseBits) {
  Random random(count * 7919u + 1);
  Pairs<Int128Integer> pairs;
  for (std::size_t index = 0; index < count; ++index) {
    const auto [leftBits, rightBits] = chooseBits(random);
    pairs.left.push_back(Int128Integer::FromParts(random() & 1u, RandomMagnitude(random, leftBits)));
    pairs.right.push_back(Int128Integer::FromParts(random() & 1u, RandomMagnitude(random, rightBits)));
  }
  return pairs;
}

// Scalars are the same in every form.
struct KeepsScalars {
  template <typename Scalar>
    requires std::is_arithmetic_v<Scalar>
  Scalar operator()(Scalar value) const {
    return value;
  }
};

struct ToLibraryForm : KeepsScalars {
  using KeepsScalars::operator();
  UniversalInteger operator()(const Int128Integer& value) const;
  UniversalTime operator()(const Int128Time& value) const;
};
struct ToRecordForm : KeepsScalars {
  using KeepsScalars::operator();
  IntegerRecord operator()(const Int128Integer& value) const;
  TimeRecord operator()(const Int128Time& value) const;
};
struct ToBoostForm : KeepsScalars {
  using KeepsScalars::operator();
  CheckedInt128 operator()(const Int128Integer& value) const;
};
struct ToGmpForm : KeepsScalars {
  using KeepsScalars::operator();
  mpz_class operator()(const Int128Integer& value) const;
};

// The same pairs in every integer form.
struct IntegerOperands {
  explicit IntegerOperands(Pairs<Int128Integer> pairs);
  std::size_t size() const { return reference.size(); }

  Pairs<Int128Integer> reference;
  Pairs<UniversalInteger> library;
  Pairs<IntegerRecord> records;
  Pairs<CheckedInt128> boost;
  Pairs<mpz_class> gmp;
};

// The status of a flat arithmetic call and the record it wrote. The record
// is written into a slot of the call's own, apart from every operand, and
// the timing loop keeps only this pair live: it neither copies the record
// nor reads it back, so an iteration costs the call and nothing more.
template <typename Record>
struct FlatResult {
  int status;
  const Record* record;
};

// Calls a flat function of `functions` on two operands from a pool; the
// right one is a record or a scalar. The function is looked up in the
// table once, so every implementation is called through one plain pointer.
template <typename Functions, typename Record, typename Right>
auto FlatCall(int (*Functions::*member)(const Record*, Right, Record*), const Functions& functions) {
  return [function = functions.*member, slot = new Record{}](const Record& left, const auto& right) {
    if constexpr (std::is_pointer_v<Right>) {
      return FlatResult<Record>{function(&left, &right, slot), slot};
    } else {
      return FlatResult<Record>{function(&left, right, slot), slot};
    }
  };
}
template <typename Functions, typename Record>
auto FlatCall(int (*Functions::*member)(const Record*, const Record*), const Functions& functions) {
  return [function = functions.*member](const Record& left, const Record& right) { return function(&left, &right); };
}

std::string Canonical(bool value);
std::string Canonical(int value);
std::string Canonical(double value);
std::string Canonical(const char* text);
std::string Canonical(const std::string& text);
std::string Canonical(const Int128Integer& value);
std::string Canonical(const IntegerRecord& value);
std::string Canonical(const UniversalInteger& value);
std::string Canonical(const CheckedInt128& value);
std::string Canonical(mpz_srcptr value);
std::string Canonical(const Int128Time& value);
std::string Canonical(const TimeRecord& value);
std::string Canonical(const UniversalTime& value);
std::string Canonical(const ParsedTime& value);
std::string Canonical(const sc_core::sc_time& value);  // defined with the SystemC rows
template <typename Record>
std::string Canonical(const FlatResult<Record>& result) {
  return result.status == 0 ? Canonical(*result.record) : "status " + Canonical(result.status);
}

// Whether an implementation gives the reference's text for every entry.
enum class Agreement {
  kSameResult,  // checked before the row is measured
  kOwnFormat,   // the same operation with its own rounding or text format
};

// One row of the table: an operation measured in several implementations
// over pools of `size` entries. The first implementation added gives the
// expected results.
class Row {
 public:
  Row(std::string section, std::string operation, std::size_t size)
      : section_(std::move(section)), operation_(std::move(operation)), size_(size) {}

  // operation(index) gives the result for pool entry index.
  template <typename Operation>
  Row& Add(const char* implementation, Operation operation, Agreement agreement = Agreement::kSameResult) {
    const std::string name = BenchmarkName(section_, operation_, implementation);
    const auto actual = [&operation](std::size_t index) { return Canonical(operation(index)); };
    if (expected_.empty()) {
      for (std::size_t index = 0; index < size_; ++index) expected_.push_back(actual(index));
    } else if (agreement == Agreement::kSameResult) {
      RequireAgreement(name, size_, [this](std::size_t index) { return expected_[index]; }, actual);
    }
    Register(name, size_, operation);
    return *this;
  }

 private:
  std::string section_;
  std::string operation_;
  std::size_t size_;
  std::vector<std::string> expected_;
};

template <typename Left, typename Right, typename Operation>
auto OverPairs(const Pairs<Left, Right>& pairs, Operation operation) {
  return [&pairs, operation](std::size_t index) { return operation(pairs.left[index], pairs.right[index]); };
}
template <typename Value, typename Operation>
auto OverValues(const std::vector<Value>& values, Operation operation) {
  return [&values, operation](std::size_t index) { return operation(values[index]); };
}

// A shared text buffer for the images written into caller storage.
char* ImageBuffer();

// write(value, buffer) as an operation giving the image's text.
template <typename Write>
auto IntoImageBuffer(Write write) {
  return [write](const auto& value) {
    write(value, ImageBuffer());
    return static_cast<const char*>(ImageBuffer());
  };
}

}  // namespace bench

#endif  // UNIVERSALTYPES_BENCH_OPERANDS_H
