// The shapes every flat function shares. Arithmetic computes into a record of
// its own and copies it out only on success, turning the library's exception
// into a status code; comparisons answer 1 or 0. A null record pointer is
// refused (UTypes_Error, or 0 for a comparison) rather than dereferenced.
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

// left `operation` right into result; right is a record pointer or a value.
template <typename Left, typename Right, typename Result, typename Operation>
int ApplyIntoRecord(const Left* left, const Right& right, Result* result, Operation operation) {
  if (left == nullptr) return UTypes_Error;
  if constexpr (std::is_pointer_v<Right>) {
    if (right == nullptr) return UTypes_Error;
    return CallIntoRecord(result, [&] { return operation(*left, *right); });
  } else {
    return CallIntoRecord(result, [&] { return operation(*left, right); });
  }
}

template <typename Left, typename Right, typename Relation>
int RelationHolds(const Left* left, const Right* right, Relation relation) {
  if (left == nullptr || right == nullptr) return 0;
  return relation(*left, *right) ? 1 : 0;
}

}  // namespace universaltypes::detail

#endif  // UNIVERSALTYPES_SRC_STATUS_FLAT_CALL_H
