#include <gtest/gtest.h>

#include "universaltypes/status.h"

TEST(Status, MapsOntoHostCodesAndUnknownCodesToError) {
  EXPECT_EQ(Get_ZRStatusFromUTypes(UTypes_OK), 0);
  EXPECT_EQ(Get_ZRStatusFromUTypes(UTypes_Error), 17);
  EXPECT_EQ(Get_ZRStatusFromUTypes(UTypes_Overflow), 21);
  for (int unknown : {3, 99, -1}) {
    EXPECT_EQ(Get_ZRStatusFromUTypes(static_cast<UTypes_StatusCode>(unknown)), 17) << unknown;
  }
}

TEST(Status, ExceptionCarriesItsCodeThroughCopiesAndIsCaughtByType) {
  EXPECT_EQ(UTypes_StatusCodeException().Get_StatusCode(), UTypes_OK);
  UTypes_StatusCodeException original(UTypes_Overflow);
  UTypes_StatusCodeException copy(original);
  EXPECT_EQ(copy.Get_StatusCode(), UTypes_Overflow);
  UTypes_StatusCodeException assigned;
  assigned = copy;
  EXPECT_EQ(assigned.Get_StatusCode(), UTypes_Overflow);
  assigned.Set_StatusCode(UTypes_Error);
  EXPECT_EQ(assigned.Get_StatusCode(), UTypes_Error);
  try {
    throw original;
  } catch (UTypes_StatusCodeException& caught) {
    EXPECT_EQ(caught.Get_StatusCode(), UTypes_Overflow);
  }
}
