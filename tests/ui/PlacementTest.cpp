// Where a window opens on a screen's available area: the pure reckoning, one
// row per kind of screen. The windows' frames on real small screens are in
// SmallScreenTest.cpp.
#include <gtest/gtest.h>
#include <ostream>

#include "ui/Placement.h"

namespace {

struct PlaceRow {
    const char* name;
    QRect wanted;
    QRect available;
    QPoint expected; // the frame's top-left corner
};

void PrintTo(const PlaceRow& row, std::ostream* os) {
    *os << row.name;
}

// The main window's frame as its layout places it, with a 1-pixel border and a
// 24-pixel title bar: 708 x 512 at (154, 70).
const QRect kMain(154, 70, 708, 512);

const PlaceRow kRows[] = {
    {"FitsWhereTheLayoutSays", kMain, {0, 0, 1024, 768}, {154, 70}},
    {"FitsExactly", {0, 0, 640, 480}, {0, 0, 640, 480}, {0, 0}},
    {"RightEdgeOffMovesLeftJustEnough", kMain, {0, 0, 800, 600}, {92, 70}},
    {"BottomEdgeOffMovesUpJustEnough", {286, 276, 452, 413}, {0, 0, 800, 600}, {286, 187}},
    {"BelowATopPanelMovesDown", {100, 10, 300, 200}, {0, 27, 1024, 741}, {100, 27}},
    {"LeftOfTheAreaMovesRight", {-50, 100, 300, 200}, {0, 0, 1024, 768}, {0, 100}},
    {"WiderAndTallerThanTheScreenKeepsItsCornerOnIt", kMain, {0, 0, 640, 480}, {0, 0}},
    {"TallerOnlyKeepsItsTopOnTheScreen", {50, 40, 300, 600}, {0, 0, 800, 480}, {50, 0}},
    {"ScreenOfASecondMonitorOrPanel", kMain, {1024, 32, 683, 480}, {1024, 32}},
    {"ScaledLaptopScreen", kMain, {0, 0, 683, 512}, {0, 0}},
};

class FitOnScreenTest : public ::testing::TestWithParam<PlaceRow> {};

TEST_P(FitOnScreenTest, PutsTheFrameWhereTheRowSays) {
    const PlaceRow& row = GetParam();
    const QRect fitted = ui::fitOnScreen(row.wanted, row.available);
    EXPECT_EQ(fitted.topLeft(), row.expected);
    EXPECT_EQ(fitted.size(), row.wanted.size()) << "a window keeps its size";
}

INSTANTIATE_TEST_SUITE_P(Screens, FitOnScreenTest, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
