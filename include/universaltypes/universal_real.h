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

class UniversalInteger;

class UTYPES_API UniversalReal {
 public:
  UniversalReal();
  UniversalReal(double value);
  // ((w2 * 2^32 + w1) * 2^32) + w0 in doubles, negated for sign -1; the same
  // value as UniversalInteger's operator double.
  UniversalReal(const UniversalInteger& integer);

  UniversalReal& operator+=(const UniversalReal& other);
  UniversalReal& operator-=(const UniversalReal& other);
  UniversalReal operator+(const UniversalReal& other) const;
  UniversalReal operator-(const UniversalReal& other) const;
  UniversalReal operator*(const double& other) const;
  UniversalReal operator*(const int& other) const;
  UniversalReal operator/(const double& other) const;
  UniversalReal operator/(const int& other) const;

  bool operator==(const UniversalReal& other) const;
  bool operator!=(const UniversalReal& other) const;
  bool operator<(const UniversalReal& other) const;
  bool operator<=(const UniversalReal& other) const;
  bool operator>(const UniversalReal& other) const;
  bool operator>=(const UniversalReal& other) const;

  operator double() const;
  double UniversalRealToDouble() const;

  // Scientific notation with `precision` digits after the point, as printf's
  // "%.*e" in the C locale ("1.23e+04"). The buffer holds the sign, a digit,
  // the point, the digits, the exponent and the NUL.
  void ToString(char* buffer, int precision) const;
  // The double's 64 bits as 16 lowercase hex digits, most significant first;
  // the same text on either byte order. The buffer holds 17 characters.
  void ToHexString(char* buffer) const;

  static const UniversalReal& Get_TheConstantZero();
  static const UniversalReal& Get_TheConstantOne();

 private:
  friend struct RealInternals;

  // Builds the constants at compile time, so they are valid from load.
  struct ConstantTag {};
  constexpr UniversalReal(double value, ConstantTag) : _value(value) {}

  double _value;

  static const UniversalReal _zero;
  static const UniversalReal _one;
};

// Flat interface. Arithmetic writes the result and returns 0 (1 for a null
// pointer); comparisons return 1 or 0.
UTYPES_C_API int UniversalRealPlusUniversalReal(const UniversalReal* left,
                                                const UniversalReal* right, UniversalReal* result);
UTYPES_C_API int UniversalRealMinusUniversalReal(const UniversalReal* left,
                                                 const UniversalReal* right, UniversalReal* result);
UTYPES_C_API int UniversalRealTimesDouble(const UniversalReal* left, double right,
                                          UniversalReal* result);
UTYPES_C_API int UniversalRealTimesInt(const UniversalReal* left, int right,
                                       UniversalReal* result);
UTYPES_C_API int UniversalRealDividedByDouble(const UniversalReal* left, double right,
                                              UniversalReal* result);
UTYPES_C_API int UniversalRealDividedByInt(const UniversalReal* left, int right,
                                           UniversalReal* result);
UTYPES_C_API int UniversalRealEqualsUniversalReal(const UniversalReal* left,
                                                  const UniversalReal* right);
UTYPES_C_API int UniversalRealNotEqualUniversalReal(const UniversalReal* left,
                                                    const UniversalReal* right);
UTYPES_C_API int UniversalRealLessThanUniversalReal(const UniversalReal* left,
                                                    const UniversalReal* right);
UTYPES_C_API int UniversalRealLessEqualUniversalReal(const UniversalReal* left,
                                                     const UniversalReal* right);
UTYPES_C_API int UniversalRealGreaterThanUniversalReal(const UniversalReal* left,
                                                       const UniversalReal* right);
UTYPES_C_API int UniversalRealGreaterEqualUniversalReal(const UniversalReal* left,
                                                        const UniversalReal* right);

#endif  // UNIVERSALTYPES_UNIVERSAL_REAL_H
