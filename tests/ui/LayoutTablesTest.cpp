#include <QLabel>
#include <QPushButton>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "ui/FormBuilder.h"
#include "ui/MainWindowLayout.h"
#include "ui/ResultsWindowLayout.h"

namespace {

void checkTable(const ui::WindowLayout& window, std::size_t count) {
    SCOPED_TRACE(window.name);
    EXPECT_EQ(window.controls.size(), count);
    std::set<std::string> names;
    std::set<int> tabs;
    for (const ui::ControlLayout& c : window.controls) {
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
    checkTable(ui::mainWindowLayout(), 46);
    checkTable(ui::resultsWindowLayout(), 21);
}

TEST(LayoutTables, StepRowsFollowTheirGrid) {
    const auto& controls = ui::mainWindowLayout().controls;
    auto find = [&](const std::string& name) -> const ui::ControlLayout& {
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

// A control the layout lacks is reported, and the window goes on with a
// hidden stand-in rather than a null pointer.
TEST(FormBuilder, AMissingControlIsReportedAndStoodInFor) {
    ui::WindowLayout layout = ui::resultsWindowLayout();
    layout.controls = layout.controls.first(1); // "Label1" alone
    QWidget window;
    const ui::Form form = ui::buildControls(window, layout);
    EXPECT_EQ(&form.get<QLabel>("Label1"), window.findChild<QLabel*>("Label1"));
    QLabel* standIn = nullptr;
    EXPECT_NONFATAL_FAILURE(standIn = &form.get<QLabel>("Label2"), "no control Label2");
    EXPECT_NONFATAL_FAILURE(form.get<QPushButton>("Label1"), "no control Label1");
    ASSERT_NE(standIn, nullptr);
    EXPECT_FALSE(standIn->isVisibleTo(&window));
}

} // namespace
