// The main window on a screen of device pixel ratio 2 (this executable runs
// with QT_SCALE_FACTOR=2): twice as large in device pixels, and the drawn
// example and the window picture painted at full resolution rather than a 1x
// image scaled up.
#include <QGuiApplication>
#include <QResource>
#include <QWindow>
#include <algorithm>
#include <cstdlib>

#include "WindowTestSupport.h"

namespace {

using testing_support::ShownApp;

const QRgb kInk = qRgb(0x00, 0x00, 0xC0);

bool isInk(QRgb pixel) {
    return (pixel & 0xFFFFFF) == (kInk & 0xFFFFFF);
}

// The device pixels, at ratio 2, of a rectangle given in twips.
QRect devicePixels(int left, int top, int right, int bottom) {
    return {frontend::twipsToPixels(left) * 2, frontend::twipsToPixels(top) * 2,
            (frontend::twipsToPixels(right) - frontend::twipsToPixels(left)) * 2,
            (frontend::twipsToPixels(bottom) - frontend::twipsToPixels(top)) * 2};
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
        const int column = frontend::twipsToPixels(x) * 2;
        const int row = frontend::twipsToPixels(1330) * 2;
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

TEST(HighDpi, TheWindowPictureIsTheSamePictureDrawnAtFullResolution) {
    ASSERT_EQ(qGuiApp->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
    ShownApp app;
    const QImage sharp =
        app.window().surface().grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(sharp.size(), QSize(1412, 974));
    const QResource stored(QStringLiteral(":/pictures/form1-background.rgb32"));
    const QImage picture(stored.data(), 706, 487, QImage::Format_RGB32);
    // A 1x picture doubled up is made of 2x2 blocks of one colour; the lettering,
    // the desk and the figure drawn at full resolution have edges inside them.
    // Averaged over those blocks, it is the 1x picture again, in its place.
    int splitBlocks = 0;
    long long difference = 0;
    for (int y = 0; y < 487; ++y) {
        for (int x = 0; x < 706; ++x) {
            const QRgb block[] = {sharp.pixel(2 * x, 2 * y), sharp.pixel(2 * x + 1, 2 * y),
                                  sharp.pixel(2 * x, 2 * y + 1), sharp.pixel(2 * x + 1, 2 * y + 1)};
            splitBlocks += !std::all_of(std::begin(block), std::end(block),
                                        [&](QRgb p) { return p == block[0]; });
            const QRgb want = picture.pixel(x, y);
            for (int shift : {16, 8, 0}) { // red, green, blue
                int sum = 0;
                for (QRgb p : block)
                    sum += (p >> shift) & 0xFF;
                difference += std::abs(sum / 4 - static_cast<int>((want >> shift) & 0xFF));
            }
        }
    }
    EXPECT_GT(splitBlocks, 5000);
    // About 0.3 levels from JPEG and the two SVG renderers; a shift by one
    // device pixel makes it 1.1.
    EXPECT_LT(static_cast<double>(difference) / (706 * 487 * 3), 0.6);
}

} // namespace
