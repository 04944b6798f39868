#include "universaltypes/status.h"

ZR_StatusCode Get_ZRStatusFromUTypes(UTypes_StatusCode statusCode) {
  switch (statusCode) {
    case UTypes_OK:
      return ZR_StatusOK;
    case UTypes_Overflow:
      return ZR_StatusOverflow;
    case UTypes_Error:
    default:
      // Unknown codes are reported as plain errors, never as success.
      return ZR_StatusError;
  }
}
