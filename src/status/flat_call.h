// The shape every flat arithmetic function shares: compute into a record of
// its own, copy it out only on success, and turn the library's exception into
// a status code. Null record pointers are refused with UTypes_Error rather
// than dereferenced.
#ifndef UNIVERSALTYPES_SRC_STATUS_FLAT_CALL_H
#define UNIVERSALTYPES_SRC_STATUS_FLAT_CALL_H

#include <type_traits>

#include "universaltypes/status.h"

namespace universaltypes::detail {

template <typename Result, typename Operation>
int CallIntoRecord(Result* result, Operation&& operation) {
  if (result == nullptr) return UTypes_Error;
  try {
    const Result value = operation();
    *result = value;
    return UTypes_OK;
  } catch (const UTypes_StatusCodeException& exception) {
    return exception.Get_StatusCode();
  }
}

template <typename... Pointers>
bool AnyNull(const Pointers*... pointers) {
  return ((pointers == nullptr) || ...);
}

}  // namespace universaltypes::detail

#endif  // UNIVERSALTYPES_SRC_STATUS_FLAT_CALL_H
