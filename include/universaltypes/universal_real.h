// UniversalReal: the library's universal real, one IEEE 754 double.
//
// Representation: the 8 bytes of the double, copied byte for byte and passed
// across the flat interface by pointer, so the field is host interface.
// Arithmetic is one rounded-to-nearest double operation per operator;
// infinities and NaNs come out as the floating-point unit gives them and
// nothing is reported. Comparisons are IEEE's: with a NaN every relation but
// != is false, and +0.0 equals -0.0.
#ifndef UNIVERSALTYPES_UNIVERSAL_REAL_H
#define UNIVERSALTYPES_UNIVERSAL_REAL_H

#include "universaltypes/export.h"
#include "universaltypes/flat.h"

class UniversalInteger;

class UniversalReal {
 public:
  UTYPES_API UniversalReal();
  UTYPES_API UniversalReal(double value);
  // ((w2 * 2^32 + w1) * 2^32) + w0 in doubles, negated for sign -1; the same
  // value as UniversalInteger's operator double.
  UTYPES_API UniversalReal(const UniversalInteger& integer);

  UTYPES_API UniversalReal& operator+=(const UniversalReal& other);
  UTYPES_API UniversalReal& operator-=(const UniversalReal& other);
  UTYPES_API UniversalReal operator+(const UniversalReal& other) const;
  UTYPES_API UniversalReal operator-(const UniversalReal& other) const;
  UTYPES_API UniversalReal operator*(const double& other) const;
  UTYPES_API UniversalReal operator*(const int& other) const;
  UTYPES_API UniversalReal operator/(const double& other) const;
  UTYPES_API UniversalReal operator/(const int& other) const;

  UTYPES_API bool operator==(const UniversalReal& other) const;
  UTYPES_API bool operator!=(const UniversalReal& other) const;
  UTYPES_API bool operator<(const UniversalReal& other) const;
  UTYPES_API bool operator<=(const UniversalReal& other) const;
  UTYPES_API bool operator>(const UniversalReal& other) const;
  UTYPES_API bool operator>=(const UniversalReal& other) const;

  UTYPES_API operator double() const;
  UTYPES_API double UniversalRealToDouble() const;

  // Scientific notation with `precision` digits after the point, as printf's
  // "%.*e" in the C locale ("1.23e+04"). The buffer holds the sign, a digit,
  // the point, the digits, the exponent and the NUL.
  UTYPES_API void ToString(char* buffer, int precision) const;
  // The double's 64 bits as 16 lowercase hex digits, most significant first;
  // the same text on either byte order. The buffer holds 17 characters.
  UTYPES_API void ToHexString(char* buffer) const;

  UTYPES_API static const UniversalReal& Get_TheConstantZero();
  UTYPES_API static const UniversalReal& Get_TheConstantOne();

 private:
  friend struct RealInternals;

  // Builds the constants at compile time, so they are valid from load.
  struct ConstantTag {};
  constexpr UniversalReal(double value, ConstantTag) : _value(value) {}

  double _value;

  UTYPES_API static const UniversalReal _zero;
  UTYPES_API static const UniversalReal _one;
};

// The record crosses the flat interface as is.
static_assert(sizeof(UniversalReal) == 8);

#endif  // UNIVERSALTYPES_UNIVERSAL_REAL_H
