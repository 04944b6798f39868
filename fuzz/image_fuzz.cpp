// The images on arbitrary records, tick arrays, units, fractions and
// precisions: nothing is written past a buffer (caller buffers are heap
// blocks of exactly the documented size), every image is NUL-terminated,
// an image of a valid value never throws, and what it prints names the value:
// hexadecimal images to the bit, decimal integer images exactly, time images
// read back through the literal parser to the same ticks (units fs to sec)
// or within 10^-12 of a unit.
//
// Input: a mode byte (1: repair the records into valid ones), a tick array,
// a unit, a time record, an integer record, a fraction, a real, a precision.
#include <bit>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

#include "fuzz_support.h"
#include "literal_reader.h"
#include "record_model.h"
#include "universaltypes/time_text.h"

namespace {

constexpr std::size_t kSharedImageSize = 4096;  // the integer and time image buffers
constexpr std::size_t kTickImageSize = 64;
constexpr std::size_t kIntegerHexSize = 26;
constexpr std::size_t kRealHexSize = 17;
constexpr std::size_t kTimeHexSize = 43;
// A sign, the 29 digits of 2^96 - 1, a fraction text of at most 63, the NUL.
constexpr std::size_t kPrintedSize = 1 + 29 + 63 + 1;

// The one image failure by design: the integer part 2^96 - 1 plus a
// fraction that rounds up to 1 carries past the last value and throws
// UTypes_Overflow (only in fs can a time image's integer part be that large).
bool MayOverflow(const UniversalInteger& integerPart) {
  const Model model = fuzz::ModelOf(integerPart);
  return model.sign == 1 && model.magnitude == kMax96;
}

bool Terminated(const char* text, std::size_t size) {
  return text != nullptr && std::memchr(text, '\0', size) != nullptr;
}

std::unique_ptr<char[]> Buffer(std::size_t size) { return std::make_unique<char[]>(size); }

std::string Hex(std::uint64_t value, int digits) {
  char text[17];
  std::snprintf(text, sizeof text, "%0*llx", digits, static_cast<unsigned long long>(value));
  return text;
}

std::string ExpectedHex(const UniversalInteger& record) {
  const Fields fields = FieldsOf(record);
  // Appends, not "..." + string: g++ 12 at -O3 reports a false -Wrestrict
  // overlap inside the std::string::insert that uses.
  return std::string(fields.sign == -1 ? "-" : "")
      .append(Hex(fields.words[2], 8))
      .append(Hex(fields.words[1], 8))
      .append(Hex(fields.words[0], 8));
}

// The ticks a text read as a literal gives (analog: the floor), if any. An
// image may round up past the last tick (2^96 - 1 fs + 0.9999 prints as
// 2^96 fs); it then reads as +-2^96.
bool ParsedTicks(const std::string& literal, Model& ticks) {
  UniversalTime::Set_AnalogExists(true);
  UTypes_StatusCode status = UTypes_Error;
  try {
    const UniversalTime time = TimeValueFromTimeString(literal.c_str(), status);
    ticks = fuzz::ModelOf(time.UniversalToPhysicalTime());
  } catch (const UTypes_StatusCodeException&) {
    ticks = {literal[0] == '-' ? -1 : 1, kMax96 + 1};
    return true;
  }
  return status == UTypes_OK;
}

// |read - ticks| within `slack` femtoseconds.
bool ReadsBackWithin(const std::string& image, const UniversalInteger& ticks, const i128& slack) {
  Model read;
  if (!ParsedTicks(image, read)) return false;
  const i128 difference = ValueOf(read) - ValueOf(fuzz::ModelOf(ticks));
  return !(difference < -slack) && !(slack < difference);
}

// Up to sec an offset-free image is exact; above, and with an offset, it
// names the value to 10^-12 of a unit (and the floor one tick lower).
i128 SlackOf(int unit, bool exact) {
  if (exact && unit <= TimeUnit_sec) return 0;
  return i128(fuzz::FemtosecondsPerUnit(unit) / 1000000000000u) + 2;
}

void CheckTimeImage(const char* image, UTypes_StatusCode status, int unit, const UniversalTime* valid,
                    const std::string& context) {
  FUZZ_CHECK(Terminated(image, kSharedImageSize), "%s", context.c_str());
  const bool knownUnit = unit >= 0 && unit <= TimeUnit_hr;
  FUZZ_CHECK(status == (knownUnit ? UTypes_OK : UTypes_Error), "%s", context.c_str());
  FUZZ_CHECK(knownUnit || image[0] == '\0', "%s", context.c_str());
  if (!knownUnit || valid == nullptr) return;
  const std::string text = image;
  const bool offsetFree = static_cast<double>(valid->Get_OffsetTime()) == 0.0;
  FUZZ_CHECK(ReadsBackWithin(text, valid->UniversalToPhysicalTime(), SlackOf(unit, offsetFree)),
             "image \"%s\", %s", fuzz::Escaped(text).c_str(), context.c_str());
}

void CheckTickArrayImage(int (&ticks)[5], int unit) {
  UniversalInteger record;
  record.ConvertIntsToUniversalInteger(ticks);
  const std::string context = "tick array " + RecordText(record) + ", unit " + std::to_string(unit);
  UTypes_StatusCode status = static_cast<UTypes_StatusCode>(-7);
  const char* image = TimeTickValueToString_CF(ticks, static_cast<TimeUnit>(unit), status);
  const UniversalTime time = TimeRecord(record, 0.0);
  CheckTimeImage(image, status, unit, fuzz::KeepsInvariants(record) ? &time : nullptr, context);
}

void CheckTimeImages(const UniversalTime& time, int unit) {
  const bool valid = fuzz::KeepsInvariants(time);
  const std::string context = "time " + RecordText(time.UniversalToPhysicalTime()) + " + " +
                              std::to_string(static_cast<double>(time.Get_OffsetTime())) + ", unit " +
                              std::to_string(unit);
  try {
    UTypes_StatusCode status = static_cast<UTypes_StatusCode>(-7);
    const char* image = TimeTickValueToString(time, static_cast<TimeUnit>(unit), status);
    CheckTimeImage(image, status, unit, valid ? &time : nullptr, context);
    FUZZ_CHECK(Terminated(static_cast<const char*>(time), kSharedImageSize), "%s", context.c_str());
  } catch (const UTypes_StatusCodeException& exception) {
    // A record outside the invariants may have no image (an infinite offset).
    const bool designed = unit == TimeUnit_fs && MayOverflow(time.UniversalToPhysicalTime()) &&
                          exception.Get_StatusCode() == UTypes_Overflow;
    FUZZ_CHECK(!valid || designed, "the image of a valid time threw, %s", context.c_str());
  }
  const auto hex = Buffer(kTimeHexSize);
  time.ToHexString(hex.get());
  const std::string expected =
      ExpectedHex(time.UniversalToPhysicalTime()) + ":" +
      Hex(std::bit_cast<std::uint64_t>(static_cast<double>(time.Get_OffsetTime())), 16);
  FUZZ_CHECK(expected == hex.get(), "time hex \"%s\", %s", hex.get(), context.c_str());
}

void CheckTickImage(const UniversalInteger& ticks) {
  const char* image = PhysicalTimeTickImage(&ticks);
  FUZZ_CHECK(Terminated(image, kTickImageSize), "tick image of %s", RecordText(ticks).c_str());
  char* end = nullptr;
  const double value = std::strtod(image, &end);
  FUZZ_CHECK(value == static_cast<double>(UniversalReal(ticks)) && std::string(end) == " fs",
             "tick image \"%s\" of %s", image, RecordText(ticks).c_str());
  FUZZ_CHECK(std::string(PhysicalTimeTickImage(nullptr)).empty(), "tick image of no record");
}

// this + fraction, printed, reads back within one of this.
void CheckPrinted(const UniversalInteger& integer, double fraction, int precision) {
  const bool valid = fuzz::KeepsInvariants(integer) && fraction >= 0.0 && fraction < 1.0;
  const std::string context = RecordText(integer) + " + " + std::to_string(fraction) + ", precision " +
                              std::to_string(precision);
  const auto buffer = Buffer(kPrintedSize);
  try {
    integer.PrintToBuffer(buffer.get(), fraction, precision);
  } catch (const UTypes_StatusCodeException& exception) {
    const bool designed = MayOverflow(integer) && exception.Get_StatusCode() == UTypes_Overflow;
    FUZZ_CHECK(!valid || designed, "printing a valid integer and fraction threw, %s", context.c_str());
    return;
  }
  FUZZ_CHECK(Terminated(buffer.get(), kPrintedSize), "%s", context.c_str());
  FUZZ_CHECK(!valid || ReadsBackWithin(std::string(buffer.get()) + " fs", integer, 1), "printed \"%s\", %s",
             buffer.get(), context.c_str());
}

void CheckIntegerImages(const UniversalInteger& integer, double fraction, int precision) {
  const char* image = static_cast<const char*>(integer);
  FUZZ_CHECK(Terminated(image, kSharedImageSize), "image of %s", RecordText(integer).c_str());
  FUZZ_CHECK(!fuzz::KeepsInvariants(integer) || ToString(fuzz::ModelOf(integer)) == image,
             "image \"%s\" of %s", image, RecordText(integer).c_str());
  const auto hex = Buffer(kIntegerHexSize);
  integer.ToHexString(hex.get());
  FUZZ_CHECK(ExpectedHex(integer) == hex.get(), "hex \"%s\" of %s", hex.get(),
             RecordText(integer).c_str());
  CheckPrinted(integer, fraction, precision);
}

void CheckRealImages(double real, int precision) {
  // Sign, digit, point, the digits, "e-308" and the NUL; printf's 6 digits
  // for a negative precision.
  const std::size_t size = static_cast<std::size_t>(precision < 0 ? 6 : precision) + 9;
  const auto text = Buffer(size);
  UniversalReal(real).ToString(text.get(), precision);
  FUZZ_CHECK(Terminated(text.get(), size), "real %a, precision %d", real, precision);
  // Seventeen significant digits name every double.
  const double back = std::strtod(text.get(), nullptr);
  FUZZ_CHECK(precision < 16 || std::bit_cast<std::uint64_t>(back) == std::bit_cast<std::uint64_t>(real) ||
                 (std::isnan(back) && std::isnan(real)),
             "real %a printed \"%s\"", real, text.get());
  const auto hex = Buffer(kRealHexSize);
  UniversalReal(real).ToHexString(hex.get());
  FUZZ_CHECK(Hex(std::bit_cast<std::uint64_t>(real), 16) == hex.get(), "real %a hex \"%s\"", real, hex.get());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::ByteReader reader(data, size);
  const auto mode = reader.Read<std::uint8_t>();
  int ticks[5];
  for (int& tick : ticks) tick = reader.Read<int>();
  const int unit = reader.Read<std::int8_t>();
  UniversalTime time = reader.Read<UniversalTime>();
  UniversalInteger integer = reader.Read<UniversalInteger>();
  const double fraction = reader.Read<double>();
  const double real = reader.Read<double>();
  const int precision = reader.Read<std::int16_t>();
  if ((mode & 1) != 0) {
    UniversalInteger repaired;
    repaired.ConvertIntsToUniversalInteger(ticks);
    fuzz::Repaired(repaired).ConvertUniversalIntegerToInts(ticks);
    time = fuzz::Repaired(time);
    integer = fuzz::Repaired(integer);
  }
  CheckTickArrayImage(ticks, unit);
  CheckTimeImages(time, unit);
  CheckTickImage(integer);
  CheckIntegerImages(integer, fraction, precision);
  CheckRealImages(real, precision);
  return 0;
}
