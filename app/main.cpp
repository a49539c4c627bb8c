#include <QApplication>

#include "app/TrainerApp.h"
#include "ui/Application.h"
#include "ui/Platform.h"

int main(int argc, char** argv) {
    if (!ui::platform::prepareDisplay())
        return 1;
    QApplication application(argc, argv);
    if (!ui::platform::displayReady())
        return 1;
    ui::prepareApplication(application);
    // Lets a Wayland desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.fractiontrainer.FractionTrainer"));
    app::TrainerApp trainer;
    trainer.mainWindow().show();
    return application.exec();
}
