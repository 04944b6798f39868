// The preset accessors as free functions and as flat functions, and the flat
// conversions. None of them fails; a null pointer makes them do nothing.
#include "time/time_internals.h"

const UniversalTime& Get_TheConstantZero() { return UniversalTime::Get_TheConstantZero(); }
const UniversalTime& Get_TheConstantTickLow() { return UniversalTime::Get_TheConstantTickLow(); }
const UniversalTime& Get_TheConstantTickHigh() { return UniversalTime::Get_TheConstantTickHigh(); }

namespace {

template <typename Record>
void CopyOut(const Record& value, Record* out) {
  if (out != nullptr) *out = value;
}

}  // namespace

void Get_TheConstantZero(UniversalTime* out) { CopyOut(UniversalTime::Get_TheConstantZero(), out); }
void Get_TheConstantTickLow(UniversalTime* out) {
  CopyOut(UniversalTime::Get_TheConstantTickLow(), out);
}
void Get_TheConstantTickHigh(UniversalTime* out) {
  CopyOut(UniversalTime::Get_TheConstantTickHigh(), out);
}

void UniversalToPhysicalTime(const UniversalTime* time, UniversalInteger* out) {
  if (time != nullptr) CopyOut(time->UniversalToPhysicalTime(), out);
}

void ConvertIntsToUniversalTime(int* ints, UniversalTime* out) {
  if (ints != nullptr && out != nullptr) out->ConvertIntsToUniversalTime(ints);
}
void ConvertLongsToUniversalTime(int* ints, UniversalTime* out) {
  ConvertIntsToUniversalTime(ints, out);
}

void ConvertUniversalTimeToInts(const UniversalTime* time, int* ints) {
  if (time != nullptr && ints != nullptr) time->ConvertUniversalTimeToInts(ints);
}
void ConvertUniversalTimeToLongs(const UniversalTime* time, int* ints) {
  ConvertUniversalTimeToInts(time, ints);
}

double Get_OffsetTime(const UniversalTime* time) {
  return time != nullptr ? static_cast<double>(time->Get_OffsetTime()) : 0.0;
}
