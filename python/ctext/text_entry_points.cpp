// C entry points for the library's text functions and process-wide
// switches, which have C++ linkage, for hosts that reach the library through
// a C foreign-function interface (the ctypes binding beside this directory).
//
// They follow the flat convention: a status code instead of an exception.
// TimeValueFromTimeString lets UTypes_StatusCodeException out for a literal
// beyond 2^96 - 1 fs, and a C++ exception that unwinds into a C caller ends
// the process. With these names the binding also needs no C++ name
// mangling, which differs between compilers.
#include "universaltypes/time_text.h"

#if defined(_WIN32) || defined(__CYGWIN__)
#define UTYPES_CTEXT_API extern "C" __declspec(dllexport)
#else
#define UTYPES_CTEXT_API extern "C" __attribute__((visibility("default")))
#endif

// 0 and the time; 1 for text that is no literal, with what the parser
// returns then (zero, or one unit); 2 for a value beyond the tick range,
// result unwritten.
UTYPES_CTEXT_API int CTimeValueFromTimeString(const char* text, UniversalTime* result) {
  if (result == nullptr) return UTypes_Error;
  try {
    UTypes_StatusCode status = UTypes_OK;
    const UniversalTime time = TimeValueFromTimeString(text, status);
    *result = time;
    return status;
  } catch (const UTypes_StatusCodeException& exception) {
    return exception.Get_StatusCode();
  } catch (...) {
    return UTypes_Error;
  }
}

// The image of time in unit (0..7), or in the unit the library picks for
// unit -1; status 1 and an empty text for any other unit. The text lives in
// the library's shared image buffer until the next image.
UTYPES_CTEXT_API const char* CTimeTickValueToString(const UniversalTime* time, int unit,
                                                    int* status) {
  int ignored = UTypes_OK;
  int& code = status != nullptr ? *status : ignored;
  code = UTypes_Error;
  if (time == nullptr) return "";
  try {
    if (unit == -1) {
      code = UTypes_OK;
      return static_cast<const char*>(*time);
    }
    UTypes_StatusCode imageStatus = UTypes_OK;
    const char* image = TimeTickValueToString(*time, static_cast<TimeUnit>(unit), imageStatus);
    code = imageStatus;
    return image;
  } catch (...) {
    return "";
  }
}

UTYPES_CTEXT_API void CSetAnalogExists(int analogExists) {
  UniversalTime::Set_AnalogExists(analogExists != 0);
}

UTYPES_CTEXT_API int CGetAnalogExists() { return UniversalTime::Get_AnalogExists() ? 1 : 0; }

UTYPES_CTEXT_API void CSetDisableBaseLiterals(int disable) {
  Set_DisableBaseLiterals(disable != 0);
}
