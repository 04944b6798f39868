#include <gtest/gtest.h>

#include "universaltypes/status.h"

TEST(Status, MapsOntoHostCodesAndUnknownCodesToError) {
  const std::pair<int, int> codes[] = {{UTypes_OK, 0}, {UTypes_Error, 17}, {UTypes_Overflow, 21},
                                       {3, 17},        {99, 17},           {-1, 17}};
  for (const auto& [code, host] : codes) {
    EXPECT_EQ(Get_ZRStatusFromUTypes(static_cast<UTypes_StatusCode>(code)), host) << code;
  }
}

TEST(Status, ExceptionCarriesItsCodeThroughCopiesAndIsCaughtByType) {
  EXPECT_EQ(UTypes_StatusCodeException().Get_StatusCode(), UTypes_OK);
  UTypes_StatusCodeException original(UTypes_Overflow), assigned;
  assigned = original;
  original.Set_StatusCode(UTypes_Error);
  EXPECT_EQ(assigned.Get_StatusCode(), UTypes_Overflow);
  try {
    throw original;
  } catch (const UTypes_StatusCodeException& caught) {
    EXPECT_EQ(caught.Get_StatusCode(), UTypes_Error);
  }
}
