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

// left `route` right into result for the routes that report overflow by
// returning false instead of throwing: an overflowing call costs what a
// successful one does, which matters to hosts that probe a range by trying.
// blank is any record of the result's type: it saves a call to the exported
// default constructor.
template <typename Left, typename Right, typename Result, typename Route>
int RouteIntoRecord(const Left* left, const Right* right, Result* result, Result blank,
                    Route route) {
  if (left == nullptr || right == nullptr || result == nullptr) return UTypes_Error;
  Result value = blank;
  if (!route(*left, *right, value)) return UTypes_Overflow;
  *result = value;
  return UTypes_OK;
}

template <typename Left, typename Right, typename Relation>
int RelationHolds(const Left* left, const Right* right, Relation relation) {
  if (left == nullptr || right == nullptr) return 0;
  return relation(*left, *right) ? 1 : 0;
}

}  // namespace universaltypes::detail

#endif  // UNIVERSALTYPES_SRC_STATUS_FLAT_CALL_H
