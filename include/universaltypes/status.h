// Status codes and the exception that carries them.
//
// Arithmetic reports exactly one failure by exception: a magnitude beyond
// 2^96 - 1 throws UTypes_StatusCodeException carrying UTypes_Overflow. The
// library also throws UTypes_Error for operations that have no value at all
// (a nonzero integer divided by zero). Flat functions never let the exception
// out: they return its code and leave their result record unwritten.
// Get_ZRStatusFromUTypes maps a code onto the host's own status numbers.
#ifndef UNIVERSALTYPES_STATUS_H
#define UNIVERSALTYPES_STATUS_H

#include "universaltypes/export.h"

// Held in 32 bits; hosts may hand in any value, so the enumeration has a fixed
// underlying type and every int is a valid UTypes_StatusCode.
enum UTypes_StatusCode : int {
  UTypes_OK = 0,
  UTypes_Error = 1,
  UTypes_Overflow = 2,
};

// The host's status numbers; the library produces only these three.
enum ZR_StatusCode : int {
  ZR_StatusOK = 0,
  ZR_StatusError = 17,
  ZR_StatusOverflow = 21,
};

// Thrown and caught by value. Polymorphic only through its destructor.
class UTYPES_API UTypes_StatusCodeException {
 public:
  UTypes_StatusCodeException();
  explicit UTypes_StatusCodeException(UTypes_StatusCode statusCode);
  UTypes_StatusCodeException(const UTypes_StatusCodeException& other);
  UTypes_StatusCodeException& operator=(const UTypes_StatusCodeException& other);
  virtual ~UTypes_StatusCodeException();

  UTypes_StatusCode Get_StatusCode() const;
  void Set_StatusCode(UTypes_StatusCode statusCode);

 private:
  UTypes_StatusCode _statusCode;
};

// 0 -> 0, 1 -> 17, 2 -> 21, anything else -> 17. Never fails.
UTYPES_API ZR_StatusCode Get_ZRStatusFromUTypes(UTypes_StatusCode statusCode);

#endif  // UNIVERSALTYPES_STATUS_H
