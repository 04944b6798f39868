// The two integer-by-real exports: decorated names, status results, outputs
// written only on success.
#include "integer/integer_internals.h"
#include "status/flat_call.h"
#include "universaltypes/universal_integer.h"

UTypes_StatusCode UniversalIntegerTimesDouble(UniversalInteger integer, double factor,
                                              UniversalInteger* product,
                                              UniversalReal* remainder) {
  if (product == nullptr || remainder == nullptr) return UTypes_Error;
  try {
    // The remainder of this product, not whatever the shared word holds by now.
    double dropped = 0.0;
    const UniversalInteger result = IntegerInternals::ScaledByReal(integer, factor, dropped);
    *product = result;
    *remainder = UniversalReal(dropped);
    return UTypes_OK;
  } catch (const UTypes_StatusCodeException& exception) {
    return exception.Get_StatusCode();
  }
}

UTypes_StatusCode UniversalIntegerDividedByDouble(const UniversalInteger* integer, double divisor,
                                                  UniversalInteger* quotient) {
  return static_cast<UTypes_StatusCode>(universaltypes::detail::ApplyIntoRecord(
      integer, divisor, quotient, [](const UniversalInteger& a, double d) { return a / d; }));
}
