// The main window on a screen of device pixel ratio 2 (this executable runs
// with QT_SCALE_FACTOR=2): twice as large in device pixels, and the drawn
// example painted at full resolution rather than a 1x image scaled up.
#include <QGuiApplication>
#include <QWindow>

#include "WindowTestSupport.h"

namespace {

using testing_support::ShownApp;

const QRgb kInk = qRgb(0x00, 0x00, 0xC0);

bool isInk(QRgb pixel) {
    return (pixel & 0xFFFFFF) == (kInk & 0xFFFFFF);
}

// The device pixels, at ratio 2, of a rectangle given in twips.
QRect devicePixels(int left, int top, int right, int bottom) {
    return {ui::twipsToPixels(left) * 2, ui::twipsToPixels(top) * 2,
            (ui::twipsToPixels(right) - ui::twipsToPixels(left)) * 2,
            (ui::twipsToPixels(bottom) - ui::twipsToPixels(top)) * 2};
}

TEST(HighDpi, TheWindowIsTwiceAsLargeInDevicePixels) {
    ASSERT_EQ(qGuiApp->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
    ShownApp app;
    ASSERT_NE(app.window().windowHandle(), nullptr);
    EXPECT_EQ(app.window().windowHandle()->devicePixelRatio(), 2.0);
    EXPECT_EQ(app.window().size(), QSize(706, 487)); // in device-independent pixels
    const QImage grab = testing_support::grabWindow(app.window());
    EXPECT_EQ(grab.size(), QSize(1412, 974));
    EXPECT_EQ(grab.devicePixelRatio(), 2.0);
}

// The example of the run on screen, drawn after «Начало», grabbed in device
// pixels.
QImage grabExample(ShownApp& app) {
    app.click("cmd1");
    return testing_support::grabWindow(app.window()).convertToFormat(QImage::Format_RGB32);
}

TEST(HighDpi, TheFiguresAreNotADoubled1xImage) {
    ASSERT_EQ(qGuiApp->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
    ShownApp app;
    const QImage grab = grabExample(app);
    // A 1x image doubled up is made of 2x2 blocks of one colour; type drawn at
    // full resolution has its edges inside such blocks.
    const QRect figures = devicePixels(3000, 850, 7000, 1750);
    int inkBlocks = 0, splitBlocks = 0;
    for (int y = figures.top(); y < figures.bottom(); y += 2) {
        for (int x = figures.left(); x < figures.right(); x += 2) {
            const int ink = isInk(grab.pixel(x, y)) + isInk(grab.pixel(x + 1, y)) +
                            isInk(grab.pixel(x, y + 1)) + isInk(grab.pixel(x + 1, y + 1));
            inkBlocks += ink > 0;
            splitBlocks += ink > 0 && ink < 4;
        }
    }
    EXPECT_GT(inkBlocks, 200);
    EXPECT_GT(splitBlocks, inkBlocks / 10) << splitBlocks << " of " << inkBlocks;
}

TEST(HighDpi, TheBarsAreSharpAndOneDeviceIndependentPixelThick) {
    ASSERT_EQ(qGuiApp->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
    ShownApp app;
    const QImage grab = grabExample(app);
    // Across the middle of each bar: ink rows only, one pixel at ratio 2,
    // and on both sides the plain field, untouched by any smoothing.
    for (int x : {3375, 4375, 5425, 6450}) {
        SCOPED_TRACE(x);
        const int column = ui::twipsToPixels(x) * 2;
        const int row = ui::twipsToPixels(1330) * 2;
        std::vector<int> inkRows;
        for (int y = row - 6; y <= row + 6; ++y) {
            if (isInk(grab.pixel(column, y)))
                inkRows.push_back(y);
        }
        ASSERT_EQ(inkRows.size(), 2u);
        EXPECT_EQ(inkRows[1], inkRows[0] + 1);
        const QRgb field = grab.pixel(column, inkRows[0] - 6);
        for (int y : {inkRows[0] - 2, inkRows[0] - 1, inkRows[1] + 1, inkRows[1] + 2})
            EXPECT_EQ(grab.pixel(column, y), field) << "row " << y;
    }
}

} // namespace
