// The window tests run the real windows on Qt's offscreen platform, in a fixed
// locale, with the same style and fonts as the program.
#include <QApplication>
#include <gtest/gtest.h>

#include "ui/Application.h"

namespace {

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform says so each time a window asks for what only a real
// desktop does (raising, size hints); that is noise here. What the program
// reports as critical (a control its layout lacks, say) fails the test.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support")) ||
        text.startsWith(QLatin1String("QStandardPaths:")))
        return;
    if (type == QtCriticalMsg)
        ADD_FAILURE() << "critical: " << text.toStdString();
    if (defaultHandler)
        defaultHandler(type, context, text);
}

} // namespace

int main(int argc, char** argv) {
    // A test that names its own screen keeps it.
    if (!qgetenv("QT_QPA_PLATFORM").startsWith("offscreen:"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TRAINER_TEST_SCREEN);
    qputenv("LC_ALL", "C.UTF-8");
    defaultHandler = qInstallMessageHandler(quietMessages);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    ui::prepareApplication(app);
    return RUN_ALL_TESTS();
}
