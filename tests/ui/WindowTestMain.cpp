// The window tests run the real windows on Qt's offscreen platform, in a fixed
// locale, with the same style and fonts as the program.
#include <QApplication>
#include <gtest/gtest.h>

#include "ui/Application.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    ui::prepareApplication(app);
    return RUN_ALL_TESTS();
}
