// A host's own static initialiser may read the library's constants: they are
// constant-initialised, so they are right whatever order initialisers run in.
#include <gtest/gtest.h>

#include "integer/int128_model.h"

namespace {

struct SeenAtStaticInitialisation {
  Fields zero = FieldsOf(UniversalInteger::Get_TheConstantZero());
  Fields one = FieldsOf(UniversalInteger::Get_TheConstantOne());
  Fields high = FieldsOf(UniversalInteger(IntegerHighChoice));
  UniversalInteger::StatusCodes status = UniversalInteger::Status();
};
const SeenAtStaticInitialisation seen;

TEST(IntegerLoadOrder, ConstantsAreValidToAHostStaticInitialiser) {
  EXPECT_EQ(seen.zero.sign, 1);
  EXPECT_EQ(seen.zero.count, 0);
  EXPECT_EQ(seen.one.count, 1);
  EXPECT_EQ(seen.one.words[0], 1u);
  EXPECT_EQ(seen.high.count, 6);
  EXPECT_EQ(seen.high.words[2], 0xFFFFFFFFu);
  EXPECT_EQ(seen.status, UniversalInteger::Status_OK);
}

}  // namespace
