#include <gtest/gtest.h>

#include "Fakes.h"
#include "engine/ExerciseDrawing.h"

namespace {

using Ops = std::vector<std::string>;

TEST(DrawExample, Id16DrawsTwoFifteenthsPlusFiveTwelfthsAndAnEmptyTemplate) {
    fakes::RecordingSurface surface;
    engine::drawExample(fakes::loaded(16), surface);
    // clang-format off
    EXPECT_EQ(surface.ops, (Ops{
                               "font 20",
                               "point 3100 900", "text  2",
                               "point 3100 1300", "text  15",
                               "line 3100 1330 3650 1330",
                               "point 3800 1110", "text +",
                               "point 4100 900", "text  5",
                               "point 4100 1300", "text  12",
                               "line 4100 1330 4650 1330",
                               "point 4800 1110", "text =",
                               "line 5150 1330 5700 1330",
                               "line 6150 1330 6750 1330",
                               "point 5850 1110", "text +",
                           }));
    // clang-format on
}

TEST(DrawExample, Id3DrawsMinusBetweenTheFractionsAndTheBars) {
    fakes::RecordingSurface surface;
    engine::drawExample(fakes::loaded(3), surface);
    ASSERT_EQ(surface.ops.size(), 19u);
    EXPECT_EQ(surface.ops[2], "text  1");
    EXPECT_EQ(surface.ops[4], "text  2");
    EXPECT_EQ(surface.ops[7], "text -");
    EXPECT_EQ(surface.ops[9], "text  1");
    EXPECT_EQ(surface.ops[11], "text  3");
    EXPECT_EQ(surface.ops[18], "text -");
}

TEST(DrawExample, SignFollowsTheIdForEveryExample) {
    for (int id = 1; id <= 21; ++id) {
        fakes::RecordingSurface surface;
        engine::drawExample(fakes::loaded(id), surface);
        const std::string sign = engine::isSubtraction(id) ? "text -" : "text +";
        EXPECT_EQ(surface.ops[7], sign) << "id " << id;
        EXPECT_EQ(surface.ops[18], sign) << "id " << id;
    }
}

} // namespace
