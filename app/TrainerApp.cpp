#include "app/TrainerApp.h"

#include <QApplication>
#include <QPushButton>

namespace app {

TrainerApp::TrainerApp(engine::UniformSource* random)
    : trainer_(window_, window_.surface(), results_, random ? *random : clockRandom_) {
    connectButtons();
}

void TrainerApp::connectButtons() {
    QObject::connect(window_.startButton(), &QPushButton::clicked, &window_,
                     [this] { trainer_.pressStart(); });
    for (int k = 1; k <= 7; ++k) {
        QObject::connect(window_.confirmButton(k), &QPushButton::clicked, &window_,
                         [this, k] { trainer_.pressConfirm(k); });
    }
    QObject::connect(window_.nextButton(), &QPushButton::clicked, &window_,
                     [this] { trainer_.pressNext(); });
    QObject::connect(window_.resultsButton(), &QPushButton::clicked, &window_,
                     [this] { trainer_.pressResults(); });
    // "Выход" ends the program at once, whatever windows are open.
    QObject::connect(window_.exitButton(), &QPushButton::clicked, qApp, &QCoreApplication::quit);
}

} // namespace app
