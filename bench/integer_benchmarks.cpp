// The integer rows: arithmetic and comparison through the class and the
// flat interface against the int128 reference (in process and as a shared
// library), Boost's checked_int128_t and GMP; images and conversions.
#include <cmath>

#include "benchmarks.h"
#include "operands.h"
#include "universaltypes/universal_integer.h"

namespace bench {

namespace {

constexpr const char* kSection = "integer";

// The same rem and mod spelled for every implementation the generic
// operations below are given.
UniversalInteger Rem(const UniversalInteger& a, const UniversalInteger& b) { return a.rem(b); }
UniversalInteger Mod(const UniversalInteger& a, const UniversalInteger& b) { return a.mod(b); }
CheckedInt128 Rem(const CheckedInt128& a, const CheckedInt128& b) { return a % b; }
CheckedInt128 Mod(const CheckedInt128& a, const CheckedInt128& b) {
  CheckedInt128 rest = a % b;
  if (rest != 0 && (rest < 0) != (b < 0)) rest += b;
  return rest;
}

// A result register of its own for each GMP benchmark, with room for any
// result, so no operation reallocates it.
mpz_ptr GmpResult() {
  mpz_class& result = *new mpz_class;
  mpz_realloc2(result.get_mpz_t(), 256);
  return result.get_mpz_t();
}

auto GmpArithmetic(void (*function)(mpz_ptr, mpz_srcptr, mpz_srcptr)) {
  return [function, result = GmpResult()](const mpz_class& a, const mpz_class& b) -> mpz_srcptr {
    function(result, a.get_mpz_t(), b.get_mpz_t());
    return result;
  };
}

// Sums and differences of magnitudes below 2^95 never overflow.
const IntegerOperands& SumOperands() {
  static const IntegerOperands& operands = KeepForever(IntegerOperands(RandomIntegerPairs(
      kPoolSize, [](Random& random) { return std::pair{UniformInt(random, 1, 95), UniformInt(random, 1, 95)}; })));
  return operands;
}

// As the sums, with every fourth pair equal.
const IntegerOperands& ComparisonOperands() {
  static const IntegerOperands* operands = [] {
    Pairs<Int128Integer> pairs = SumOperands().reference;
    for (std::size_t index = 0; index < pairs.size(); index += 4) pairs.right[index] = pairs.left[index];
    return &KeepForever(IntegerOperands(std::move(pairs)));
  }();
  return *operands;
}

// Bit lengths adding up to at most 96: every product fits, so Boost's and
// GMP's products equal the library's (which keeps the low 96 bits).
const IntegerOperands& ProductOperands() {
  static const IntegerOperands& operands = KeepForever(IntegerOperands(RandomIntegerPairs(kPoolSize, [](Random& random) {
    const int leftBits = UniformInt(random, 1, 95);
    return std::pair{leftBits, UniformInt(random, 1, 96 - leftBits)};
  })));
  return operands;
}

// Any dividend over any nonzero divisor.
const IntegerOperands& DivisionOperands() {
  static const IntegerOperands& operands = KeepForever(IntegerOperands(RandomIntegerPairs(
      kPoolSize, [](Random& random) { return std::pair{UniformInt(random, 1, 96), UniformInt(random, 1, 96)}; })));
  return operands;
}

template <typename FlatMember, typename Operation, typename GmpOperation>
void RegisterBinaryRow(const char* name, const IntegerOperands& operands, FlatMember flat, Operation operation,
                       GmpOperation gmpOperation) {
  Row(kSection, name, operands.size())
      .Add(kInt128, OverPairs(operands.reference, operation))
      .Add(kClass, OverPairs(operands.library, operation))
      .Add(kFlat, OverPairs(operands.records, FlatCall(flat, LibraryFlatIntegerFunctions())))
      .Add(kInt128Shared, OverPairs(operands.records, FlatCall(flat, ReferenceFlatIntegerFunctions())))
      .Add(kInt128Floor, OverPairs(operands.records, FlatCall(flat, FloorFlatIntegerFunctions())))
      .Add(kBoost, OverPairs(operands.boost, operation))
      .Add(kGmp, OverPairs(operands.gmp, gmpOperation));
}

void RegisterArithmeticRows() {
  RegisterBinaryRow("add", SumOperands(), &FlatIntegerFunctions::plus,
                    [](const auto& a, const auto& b) { return a + b; }, GmpArithmetic(mpz_add));
  RegisterBinaryRow("subtract", SumOperands(), &FlatIntegerFunctions::minus,
                    [](const auto& a, const auto& b) { return a - b; }, GmpArithmetic(mpz_sub));
  RegisterBinaryRow("multiply", ProductOperands(), &FlatIntegerFunctions::times,
                    [](const auto& a, const auto& b) { return a * b; }, GmpArithmetic(mpz_mul));
  RegisterBinaryRow("divide", DivisionOperands(), &FlatIntegerFunctions::dividedBy,
                    [](const auto& a, const auto& b) { return a / b; }, GmpArithmetic(mpz_tdiv_q));
  RegisterBinaryRow("rem", DivisionOperands(), &FlatIntegerFunctions::rem,
                    [](const auto& a, const auto& b) { return Rem(a, b); }, GmpArithmetic(mpz_tdiv_r));
  RegisterBinaryRow("mod", DivisionOperands(), &FlatIntegerFunctions::mod,
                    [](const auto& a, const auto& b) { return Mod(a, b); }, GmpArithmetic(mpz_fdiv_r));
  RegisterBinaryRow("less than", ComparisonOperands(), &FlatIntegerFunctions::lessThan,
                    [](const auto& a, const auto& b) { return a < b; },
                    [](const mpz_class& a, const mpz_class& b) { return mpz_cmp(a.get_mpz_t(), b.get_mpz_t()) < 0; });
  RegisterBinaryRow("equal", ComparisonOperands(), &FlatIntegerFunctions::equals,
                    [](const auto& a, const auto& b) { return a == b; },
                    [](const mpz_class& a, const mpz_class& b) { return mpz_cmp(a.get_mpz_t(), b.get_mpz_t()) == 0; });
}

// Same-signed magnitudes from 2^95 up: every sum passes 2^96 - 1. A host
// that probes a range by trying additions pays this on every miss.
void RegisterOverflowRow() {
  Pairs<Int128Integer> pairs = RandomIntegerPairs(kPoolSize, [](Random&) { return std::pair{96, 96}; });
  for (std::size_t index = 0; index < pairs.size(); ++index) {
    pairs.right[index] = Int128Integer::FromParts(pairs.left[index].negative(), pairs.right[index].magnitude());
  }
  const IntegerOperands& operands = KeepForever(IntegerOperands(std::move(pairs)));
  const auto plus = &FlatIntegerFunctions::plus;
  Row(kSection, "add that overflows", operands.size())
      .Add(kFlat, OverPairs(operands.records, FlatCall(plus, LibraryFlatIntegerFunctions())))
      .Add(kInt128Shared, OverPairs(operands.records, FlatCall(plus, ReferenceFlatIntegerFunctions())))
      .Add(kInt128Floor, OverPairs(operands.records, FlatCall(plus, FloorFlatIntegerFunctions())));
}

void RegisterImageRows() {
  const IntegerOperands& operands = SumOperands();
  Row(kSection, "decimal image", kPoolSize)
      .Add(kInt128, OverValues(operands.reference.left, IntoImageBuffer([](const Int128Integer& a, char* buffer) { WriteDecimalImage(a, buffer); })))
      .Add(kClass, OverValues(operands.library.left, [](const UniversalInteger& a) { return static_cast<const char*>(a); }))
      .Add(kBoost, OverValues(operands.boost.left, [](const CheckedInt128& a) { return a.str(); }))
      .Add(kGmp, OverValues(operands.gmp.left, IntoImageBuffer([](const mpz_class& a, char* buffer) {
             mpz_get_str(buffer, 10, a.get_mpz_t());
           })));
  Row(kSection, "hex image", kPoolSize)
      .Add(kInt128, OverValues(operands.reference.left, IntoImageBuffer([](const Int128Integer& a, char* buffer) { WriteHexImage(a, buffer); })))
      .Add(kClass, OverValues(operands.library.left,
                              IntoImageBuffer([](const UniversalInteger& a, char* buffer) { a.ToHexString(buffer); })))
      .Add(kGmp, OverValues(operands.gmp.left, IntoImageBuffer([](const mpz_class& a, char* buffer) {
             mpz_get_str(buffer, 16, a.get_mpz_t());
           })), Agreement::kOwnFormat);
}

// Doubles over the whole range, with and without fractions, both signs.
const std::vector<double>& Doubles() {
  static const std::vector<double>* doubles = [] {
    Random random(17);
    std::vector<double> values;
    for (std::size_t index = 0; index < kPoolSize; ++index) {
      const double magnitude = std::ldexp(1.0 + std::uniform_real_distribution<double>(0.0, 1.0)(random),
                                          UniformInt(random, 0, 94));
      values.push_back(random() & 1u ? -magnitude : magnitude);
    }
    return &KeepForever(std::move(values));
  }();
  return *doubles;
}

// Magnitudes below 2^85 times factors below 2^10: the products fit.
const Pairs<Int128Integer, double>& ScalingOperands() {
  static const Pairs<Int128Integer, double>* operands = [] {
    Pairs<Int128Integer, double> pairs{RandomIntegerPairs(kPoolSize, [](Random& random) {
                                         return std::pair{UniformInt(random, 1, 85), 0};
                                       }).left,
                                       {}};
    Random random(29);
    for (std::size_t index = 0; index < kPoolSize; ++index) {
      pairs.right.push_back(std::ldexp(std::uniform_real_distribution<double>(1.0, 2.0)(random), UniformInt(random, -10, 9)));
    }
    return &KeepForever(std::move(pairs));
  }();
  return *operands;
}

void RegisterConversionRows() {
  const IntegerOperands& operands = SumOperands();
  const auto toDouble = [](const auto& a) { return static_cast<double>(a); };
  // The library rounds at each 32-bit step, GMP truncates, the others round
  // once: not compared.
  Row(kSection, "to double", kPoolSize)
      .Add(kInt128, OverValues(operands.reference.left, toDouble))
      .Add(kClass, OverValues(operands.library.left, toDouble), Agreement::kOwnFormat)
      .Add(kBoost, OverValues(operands.boost.left, [](const CheckedInt128& a) { return a.convert_to<double>(); }),
           Agreement::kOwnFormat)
      .Add(kGmp, OverValues(operands.gmp.left, [](const mpz_class& a) { return mpz_get_d(a.get_mpz_t()); }),
           Agreement::kOwnFormat);
  Row(kSection, "from double", kPoolSize)
      .Add(kInt128, OverValues(Doubles(), [](double x) { return Int128Integer::FromDouble(x); }))
      .Add(kClass, OverValues(Doubles(), [](double x) { return UniversalInteger(UniversalReal(x)); }))
      .Add(kBoost, OverValues(Doubles(), [](double x) { return CheckedInt128(x); }))
      .Add(kGmp, OverValues(Doubles(), [result = GmpResult()](double x) -> mpz_srcptr {
             mpz_set_d(result, x);
             return result;
           }));
  const auto& scaling = ScalingOperands();
  const auto& libraryScaling = KeepForever(MapPairs(scaling, ToLibraryForm{}));
  // The library multiplies by the factor's fraction digit by digit in
  // doubles, the reference exactly: products can differ in their low digits.
  Row(kSection, "times double", kPoolSize)
      .Add(kInt128, OverPairs(scaling, [](const Int128Integer& a, double x) { return TimesDouble(a, x); }))
      .Add(kClass, OverPairs(libraryScaling, [](const UniversalInteger& a, double x) { return a * x; }),
           Agreement::kOwnFormat)
      .Add(kFlat, OverPairs(libraryScaling, [product = new UniversalInteger(libraryScaling.left.front()),
                                             remainder = new UniversalReal](const UniversalInteger& a, double x) {
             return FlatResult<UniversalInteger>{UniversalIntegerTimesDouble(a, x, product, remainder), product};
           }), Agreement::kOwnFormat);
}

}  // namespace

void RegisterIntegerBenchmarks() {
  RegisterArithmeticRows();
  RegisterOverflowRow();
  RegisterImageRows();
  RegisterConversionRows();
}

}  // namespace bench
