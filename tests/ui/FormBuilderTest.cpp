#include <QLabel>
#include <QPushButton>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "frontend/ResultsWindowLayout.h"
#include "ui/FormBuilder.h"

namespace {

// A control the layout lacks is reported, and the window goes on with a
// hidden stand-in rather than a null pointer.
TEST(FormBuilder, AMissingControlIsReportedAndStoodInFor) {
    frontend::WindowLayout layout = frontend::resultsWindowLayout();
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
