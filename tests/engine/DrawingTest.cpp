#include <gtest/gtest.h>

#include "Fakes.h"
#include "engine/ExerciseDrawing.h"
#include "engine/Steps.h"

#include <sstream>

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

// A face with no room for the whole window shows only the drawing's area:
// every example and its whole solution must lie within it. A text's box is
// reckoned generously: a line 1.2 times its size high, each character 0.6.
TEST(DrawExample, EveryExampleAndItsSolutionLieWithinTheDrawingArea) {
    const engine::SurfaceArea a = engine::kDrawingArea;
    for (int id = 1; id <= 21; ++id) {
        fakes::RecordingSurface surface;
        const engine::TrainerState state = fakes::loaded(id);
        engine::drawExample(state, surface);
        for (int k = 1; k <= 7; ++k)
            engine::drawStep(state, k, surface);
        double twipsHigh = 0;
        int x = 0, y = 0;
        const auto inside = [&](int left, int top, int right, int bottom) {
            return left >= a.left && top >= a.top && right <= a.left + a.width &&
                   bottom <= a.top + a.height;
        };
        for (const std::string& op : surface.ops) {
            std::istringstream in(op);
            std::string kind;
            in >> kind;
            if (kind == "font") {
                double points = 0;
                in >> points;
                twipsHigh = points * 20;
            } else if (kind == "point") {
                in >> x >> y;
            } else if (kind == "text") {
                const int wide = static_cast<int>((op.size() - 5) * 0.6 * twipsHigh);
                EXPECT_TRUE(inside(x, y, x + wide, y + static_cast<int>(1.2 * twipsHigh)))
                    << "example " << id << ": " << op << " at " << x << " " << y;
            } else if (kind == "line") {
                int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
                in >> x1 >> y1 >> x2 >> y2;
                EXPECT_TRUE(inside(x1, y1, x2, y2)) << "example " << id << ": " << op;
            }
        }
    }
}

} // namespace
