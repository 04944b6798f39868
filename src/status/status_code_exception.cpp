#include "universaltypes/status.h"

UTypes_StatusCodeException::UTypes_StatusCodeException() : _statusCode(UTypes_OK) {}

UTypes_StatusCodeException::UTypes_StatusCodeException(UTypes_StatusCode statusCode)
    : _statusCode(statusCode) {}

UTypes_StatusCodeException::UTypes_StatusCodeException(const UTypes_StatusCodeException& other) =
    default;

UTypes_StatusCodeException& UTypes_StatusCodeException::operator=(
    const UTypes_StatusCodeException& other) = default;

// Out of line so the vtable and type information live in the library: a host
// that catches the exception by type matches the one the library threw.
UTypes_StatusCodeException::~UTypes_StatusCodeException() = default;

UTypes_StatusCode UTypes_StatusCodeException::Get_StatusCode() const { return _statusCode; }

void UTypes_StatusCodeException::Set_StatusCode(UTypes_StatusCode statusCode) {
  _statusCode = statusCode;
}
