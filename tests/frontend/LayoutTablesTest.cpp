#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "frontend/Fonts.h"
#include "frontend/Layout.h"
#include "frontend/MainWindowLayout.h"
#include "frontend/ResultsWindowLayout.h"

namespace {

void checkTable(const frontend::WindowLayout& window, std::size_t count) {
    SCOPED_TRACE(window.name);
    EXPECT_EQ(window.controls.size(), count);
    std::set<std::string> names;
    std::set<int> tabs;
    for (const frontend::ControlLayout& c : window.controls) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(names.insert(c.name).second) << "duplicate name";
        EXPECT_TRUE(tabs.insert(c.tabIndex).second) << "duplicate tab index";
        if (c.container)
            continue;
        EXPECT_GE(c.left, 0);
        EXPECT_GE(c.top, 0);
        EXPECT_LE(c.left + c.width, window.clientWidth);
        EXPECT_LE(c.top + c.height, window.clientHeight);
    }
    EXPECT_EQ(*tabs.begin(), 0);
    EXPECT_EQ(*tabs.rbegin(), static_cast<int>(count) - 1);
}

TEST(LayoutTables, NamesAreUniqueAndEveryControlLiesInsideItsWindow) {
    checkTable(frontend::mainWindowLayout(), 46);
    checkTable(frontend::resultsWindowLayout(), 21);
}

TEST(LayoutTables, StepRowsFollowTheirGrid) {
    const auto& controls = frontend::mainWindowLayout().controls;
    auto find = [&](const std::string& name) -> const frontend::ControlLayout& {
        for (const auto& c : controls)
            if (name == c.name)
                return c;
        ADD_FAILURE() << name;
        return controls.front();
    };
    for (int k = 1; k <= 7; ++k) {
        const int top = 2160 + 480 * (k - 1);
        EXPECT_EQ(find("Label" + std::to_string(k)).top, top);
        EXPECT_EQ(find("t" + std::to_string(k)).top, top);
        EXPECT_EQ(find("Command" + std::to_string(k)).top, top + 120);
        EXPECT_EQ(find("Label" + std::to_string(11 + k)).top, top + 120);
        EXPECT_EQ(find("Label" + std::to_string(18 + k)).top, top + 120);
    }
    EXPECT_EQ(find("t2").height, 420);
    EXPECT_EQ(find("Label25").width, 1095);
}

} // namespace

namespace {

std::string names(const std::vector<const frontend::ControlLayout*>& controls) {
    std::string all;
    for (const auto* c : controls)
        all += (all.empty() ? "" : " ") + std::string(c->name);
    return all;
}

TEST(LayoutTables, TabVisitsByTabIndexFromTheFirstAnswerBox) {
    const auto& main = frontend::mainWindowLayout();
    EXPECT_EQ(names(frontend::tabChain(main)),
              "t1 Command1 cmd1 t2 Command2 t3 Command3 t4 t5 t6 t7 Command4 Command5 Command6 "
              "Command7 Command9 Command10 Option1 Option2 Command8");
    EXPECT_STREQ(frontend::firstFocus(main), "t1");
    EXPECT_EQ(frontend::firstFocus(frontend::resultsWindowLayout()), nullptr);
}

TEST(LayoutTables, DescriptionsNameTheirStep) {
    EXPECT_EQ(frontend::describe({"Подтверждает ответ шага %1: %2", 3}),
              "Подтверждает ответ шага 3: дополнительный множитель ко 2 дроби");
    EXPECT_EQ(frontend::describe({"%1 и %1", 8}), "8 и 8");
    EXPECT_EQ(frontend::describe({"Закрывает программу"}), "Закрывает программу");
    EXPECT_EQ(frontend::describe({}), "");
}

TEST(LayoutTables, AMovedControlLeavesTheViewOnlyWhollyOutsideIt) {
    const auto& main = frontend::mainWindowLayout();
    const frontend::ControlLayout& start = *frontend::findControl(main, "cmd1");
    EXPECT_TRUE(frontend::liesInView(main, start, start.left, start.top));
    EXPECT_TRUE(frontend::liesInView(main, start, 10589, 7304)); // one twip still inside
    EXPECT_FALSE(frontend::liesInView(main, start, 19000, 4000));
    EXPECT_FALSE(frontend::liesInView(main, start, -start.width, 0));
    EXPECT_EQ(frontend::findControl(main, "nothing"), nullptr);
}

} // namespace

namespace {

// The pixel size of every font the windows use: points at 96 dots per inch,
// but for the two sizes a pixel smaller so that their texts fit.
TEST(LayoutTables, EveryFontOfTheWindowsHasItsPixelSize) {
    using frontend::FontFace;
    struct Row {
        const char* name;
        FontFace face;
        double points;
        bool bold;
        int pixels;
    };
    const Row rows[] = {
        {"option «Нет», a pixel smaller", FontFace::MsSansSerif, 9.75, false, 12},
        {"«Начало» and the results' step names, a pixel smaller", FontFace::Arial, 11.25, true, 14},
        {"«Да» of a step", FontFace::Arial, 9, false, 12},
        {"captions, counters, echoes", FontFace::Arial, 12, false, 16},
        {"step captions", FontFace::Arial, 12, true, 16},
        {"answer boxes", FontFace::MsSansSerif, 12, true, 16},
        {"the drawing", FontFace::Arial, 18, false, 24},
    };
    for (const Row& r : rows)
        EXPECT_EQ(frontend::pixelSize(r.face, r.points, r.bold), r.pixels) << r.name;
    // Any other font a window uses would need a row of its own.
    for (const frontend::WindowLayout* w :
         {&frontend::mainWindowLayout(), &frontend::resultsWindowLayout()}) {
        for (const frontend::ControlLayout& c : w->controls) {
            const auto same = [&c](const Row& r) {
                return r.face == c.font.face && r.points == c.font.points && r.bold == c.font.bold;
            };
            EXPECT_TRUE(std::any_of(std::begin(rows), std::end(rows), same)) << w->name << " " << c.name;
        }
    }
    EXPECT_EQ(frontend::pixelSize(FontFace::Arial, 11.25, false), 15) << "regular stays";
}

} // namespace
