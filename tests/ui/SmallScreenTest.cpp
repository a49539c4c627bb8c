// Both windows on screens smaller than the layout was made for (this
// executable runs on a 640 x 480 screen, and on 1024 x 768 at
// QT_SCALE_FACTOR=1.5): each opens wholly on the screen's available area,
// title bar and frame included, moved no further than it takes; a window
// larger than the screen keeps its top-left corner on it.
#include <QScreen>

#include "WindowTestSupport.h"
#include "frontend/MainWindowLayout.h"
#include "frontend/ResultsWindowLayout.h"
#include "ui/ResultsWindow.h"

namespace {

using testing_support::ShownApp;

// One side of the frame against one side of the area: on it where it fits,
// and either where the layout put it or against the edge it was moved from.
void expectSideFits(const char* side, int start, int length, int wantedStart, int areaStart,
                    int areaLength) {
    SCOPED_TRACE(side);
    if (length > areaLength) {
        EXPECT_EQ(start, areaStart);
        return;
    }
    EXPECT_GE(start, areaStart);
    EXPECT_LE(start + length, areaStart + areaLength);
    if (start != wantedStart) {
        EXPECT_TRUE(start == areaStart || start + length == areaStart + areaLength)
            << "moved further than it takes: from " << wantedStart << " to " << start;
    }
}

void expectOnScreen(const QWidget& window, const frontend::WindowLayout& layout) {
    SCOPED_TRACE(window.objectName().toStdString());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.windowHandle()));
    const QRect area = window.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    ASSERT_NE(frame, window.geometry()) << "the screen frames its windows";
    const QPoint wanted = QPoint(frontend::twipsToPixels(layout.screenLeft),
                                 frontend::twipsToPixels(layout.screenTop)) -
                          (window.geometry().topLeft() - frame.topLeft());
    expectSideFits("left", frame.left(), frame.width(), wanted.x(), area.left(), area.width());
    expectSideFits("top", frame.top(), frame.height(), wanted.y(), area.top(), area.height());
}

TEST(SmallScreen, BothWindowsOpenWhereThePupilCanReachThem) {
    ASSERT_LT(qGuiApp->primaryScreen()->availableGeometry().width(), 706) << "a small screen";
    ShownApp app;
    expectOnScreen(app.window(), frontend::mainWindowLayout());
    app.click("Command10");
    ASSERT_NE(app.app->results().window(), nullptr);
    expectOnScreen(*app.app->results().window(), frontend::resultsWindowLayout());
}

} // namespace
