// A process without a graphical application (this test program has none)
// cannot measure fonts: CopyPicture refuses with an error instead of letting
// the painter abort the process.
#include "object_test_support.h"

using namespace object_tests;

TEST(CopyPicture, without_a_graphical_application_is_refused_and_leaves_no_picture) {
    Instance xl;
    xl.write("B2", "Name");
    EXPECT_EQ(failureOf([&] { xl.range("B2:C3")->call("CopyPicture", {int16_t{1}, int16_t{2}}); }),
              "CopyPicture method of Range class failed: pictures need a running graphical application");
    EXPECT_FALSE(xl.app->get("CopiedPicture").toObject());
}
