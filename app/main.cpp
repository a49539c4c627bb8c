#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "app/TrainerApp.h"
#include "ui/Application.h"

namespace {

// Qt aborts with a long message when it finds no display; a pupil or teacher
// starting the program from a text console deserves one clear line instead.
bool displayMissing() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform && std::string_view(platform).substr(0, 3) != "xcb" &&
        std::string_view(platform).substr(0, 7) != "wayland")
        return false;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return !(x11 && *x11) && !(wayland && *wayland);
}

} // namespace

int main(int argc, char** argv) {
    if (displayMissing()) {
        std::fputs("fraction-trainer: no graphical display found (DISPLAY is not set); "
                   "start the program from a desktop session\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    ui::prepareApplication(application);
    // Lets a Wayland desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.fractiontrainer.FractionTrainer"));
    app::TrainerApp trainer;
    trainer.mainWindow().show();
    return application.exec();
}
