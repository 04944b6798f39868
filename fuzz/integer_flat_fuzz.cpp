// The integer flat functions on arbitrary 16-byte records: any bytes are
// handled within the records and in bounded time, a failure leaves the
// result record unwritten, the result may be the left operand itself, the
// status word follows overflows, and records that keep the invariants give
// exactly the model's results in every field.
//
// Input: a mode byte (1: repair both records into valid ones), two records,
// an int operand.
#include <string>

#include "fuzz_support.h"
#include "record_model.h"
#include "support/integer_operations.h"
#include "universaltypes/status.h"

namespace {

// What a result record holds until a flat function writes it.
UniversalInteger Unwritten() { return ToRecord({-1, 0xABCDEF}); }

struct FlatResult {
  int status;
  UniversalInteger record;
};

// One flat call into a fresh record and once more into the left operand.
template <typename Call>
FlatResult Run(const UniversalInteger& left, Call call, const std::string& context) {
  FlatResult result{0, Unwritten()};
  result.status = call(&left, &result.record);
  FUZZ_CHECK(result.status >= UTypes_OK && result.status <= UTypes_Overflow, "%s", context.c_str());
  FUZZ_CHECK(result.status == UTypes_OK || fuzz::SameBytes(result.record, Unwritten()), "%s",
             context.c_str());
  UniversalInteger alias = left;
  const int aliasStatus = call(&alias, &alias);
  FUZZ_CHECK(aliasStatus == result.status, "%s", context.c_str());
  FUZZ_CHECK(fuzz::SameBytes(alias, result.status == UTypes_OK ? result.record : left), "%s",
             context.c_str());
  return result;
}

template <typename Call>
void CheckArithmetic(const UniversalInteger& left, Call call, const ModelOutcome* expected,
                     const std::string& context) {
  const UniversalInteger resetStatusWord(IntegerHighChoice);
  const FlatResult result = Run(left, call, context);
  const bool overflowed = result.status == UTypes_Overflow;
  FUZZ_CHECK(UniversalInteger::Status() ==
                 (overflowed ? UniversalInteger::Status_Error : UniversalInteger::Status_OK),
             "status word, %s", context.c_str());
  if (expected == nullptr) return;
  FUZZ_CHECK(result.status == expected->status, "%s: status %d, model %d", context.c_str(), result.status,
             expected->status);
  FUZZ_CHECK(result.status != UTypes_OK || Matches(result.record, expected->value), "%s: got %s, model %s",
             context.c_str(), RecordText(result.record).c_str(), ToString(expected->value).c_str());
}

void CheckRelations(const UniversalInteger& a, const UniversalInteger& b, bool valid,
                    const std::string& operands) {
  const Model ma = fuzz::ModelOf(a), mb = fuzz::ModelOf(b);
  const int order = SignedOrder(ma, mb);
  const int magnitudeOrder = MagnitudeOrder(ma, mb);
  for (const IntegerRelation& relation : kIntegerRelations) {
    const int answer = relation.flat(&a, &b);
    FUZZ_CHECK(answer == 0 || answer == 1, "%s %s", relation.name, operands.c_str());
    FUZZ_CHECK(!valid || answer == (relation.holds(order, magnitudeOrder) ? 1 : 0), "%s %s", relation.name,
               operands.c_str());
  }
}

void CheckArrayForm(const UniversalInteger& record) {
  int ints[5];
  record.ConvertUniversalIntegerToInts(ints);
  UniversalInteger back;
  back.ConvertIntsToUniversalInteger(ints);
  FUZZ_CHECK(fuzz::SameBytes(back, record), "array form of %s", RecordText(record).c_str());
}

void CheckHostStatus(int code) {
  const ZR_StatusCode host = Get_ZRStatusFromUTypes(static_cast<UTypes_StatusCode>(code));
  const ZR_StatusCode expected = code == 0 ? ZR_StatusOK : (code == 2 ? ZR_StatusOverflow : ZR_StatusError);
  FUZZ_CHECK(host == expected, "host status of %d is %d", code, host);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::ByteReader reader(data, size);
  const auto mode = reader.Read<std::uint8_t>();
  UniversalInteger a = reader.Read<UniversalInteger>();
  UniversalInteger b = reader.Read<UniversalInteger>();
  const int n = reader.Read<int>();
  if ((mode & 1) != 0) {
    a = fuzz::Repaired(a);
    b = fuzz::Repaired(b);
  }
  const bool leftValid = fuzz::KeepsInvariants(a);
  const bool valid = leftValid && fuzz::KeepsInvariants(b);
  const std::string operands = "a = " + RecordText(a) + ", b = " + RecordText(b);
  for (const IntegerOperation& operation : kIntegerOperations) {
    const ModelOutcome expected =
        valid ? operation.model(fuzz::ModelOf(a), fuzz::ModelOf(b)) : ModelOutcome{};
    CheckArithmetic(
        a,
        [&](const UniversalInteger* left, UniversalInteger* result) {
          return operation.flat(left, &b, result);
        },
        valid ? &expected : nullptr, std::string(operation.name) + ", " + operands);
  }
  for (const IntegerOperation& operation : kIntegerOperations) {
    if (operation.byInt == nullptr) continue;
    const ModelOutcome expected =
        leftValid ? operation.model(fuzz::ModelOf(a), fuzz::ModelOf(n)) : ModelOutcome{};
    CheckArithmetic(
        a,
        [&](const UniversalInteger* left, UniversalInteger* result) {
          return operation.byInt(left, n, result);
        },
        leftValid ? &expected : nullptr,
        std::string(operation.name) + " int, a = " + RecordText(a) + ", n = " + std::to_string(n));
  }
  CheckRelations(a, b, valid, operands);
  CheckArrayForm(a);
  CheckHostStatus(n);
  return 0;
}
