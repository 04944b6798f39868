// Reference text routines on 128-bit integers: decimal and hex images of an
// integer, an exact time literal parser and a time image printer. They give
// the library's text for the inputs the benchmark feeds them, by the
// shortest exact route a hand-written peer would take.
#ifndef UNIVERSALTYPES_BENCH_REFERENCE_TEXT_H
#define UNIVERSALTYPES_BENCH_REFERENCE_TEXT_H

#include "int128_reference.h"
#include "int128_time_reference.h"

namespace bench {

// The digits of magnitude, no NUL; returns the end.
char* WriteDecimal(Uint128 magnitude, char* out);
// "-" for a negative value, then the digits, NUL-terminated; returns the NUL.
char* WriteDecimalImage(const Int128Integer& value, char* out);
// The library's hex image: "-" for a negative value, then 24 lowercase hex
// digits, NUL-terminated; returns the NUL.
char* WriteHexImage(const Int128Integer& value, char* out);

// Units as the library numbers them: 0 fs, 1 ps, ..., 5 sec, 6 min, 7 hr.
inline constexpr int kReferenceUnitCount = 8;

// The exact value of a literal ('1.5 ns', '16#FF# ns', '1_000 ps',
// '2.5E-3 sec'), with the offset rounded once. ok is false for malformed
// text, and for the values this route cannot represent exactly (a product
// past 128 bits, a fraction over more than 2^53).
struct ParsedTime {
  Int128Time time;
  bool ok = false;
};
ParsedTime ParseTimeLiteral(const char* text);

// The library's image of a whole number of femtoseconds, fs up to sec (no
// offset), in unit or in the unit picked by size. NUL-terminated; returns
// the NUL.
char* WriteTimeImage(Int128 ticks, int unit, char* out);
char* WriteTimeImageInAutomaticUnit(Int128 ticks, char* out);

}  // namespace bench

#endif  // UNIVERSALTYPES_BENCH_REFERENCE_TEXT_H
