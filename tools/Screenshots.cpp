// Makes the README's pictures with the program itself: the main window in the
// middle of an example, and the results window after a whole run.
//
//   trainer-screenshots OUTPUT_FOLDER
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cstdio>
#include <numeric>

#include "app/TrainerApp.h"
#include "engine/StepChecks.h"
#include "ui/Application.h"

namespace {

void answer(ui::MainWindow& w, int step, double value) {
    w.answerBox(step)->setText(QString::number(value));
    w.button("Command" + std::to_string(step))->click();
}

// Closes the last-example message as soon as it is shown.
void pressNext(ui::MainWindow& w) {
    QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    w.button("Command9")->click();
}

bool save(QWidget& window, const QString& path) {
    window.repaint();
    QApplication::processEvents();
    const bool ok = window.grab().save(path);
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "wrote" : "could not write",
                 qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: trainer-screenshots OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    ui::prepareApplication(application);
    app::TrainerApp trainer;
    ui::MainWindow& w = trainer.mainWindow();
    w.show();
    QApplication::processEvents();

    // The first example with five steps worked, one of them wrong.
    w.button("cmd1")->click();
    const engine::TrainerState& s = trainer.trainer().state();
    for (int k = 1; k <= 5; ++k)
        answer(w, k, engine::expectedValue(s, k) + (k == 3 ? 1 : 0));
    w.answerBox(6)->setFocus();
    bool ok = save(w, folder + QStringLiteral("/main-window.png"));

    // The rest of the run: every seventh step wrong, the last step of each
    // fourth example skipped.
    int step = 0;
    for (int n = 1; n <= 21; ++n) {
        for (int k = 1; k <= 7; ++k) {
            if (s.stepAnswered[static_cast<std::size_t>(k)] || (k == 7 && n % 4 == 0))
                continue;
            answer(w, k, engine::expectedValue(s, k) + (++step % 7 == 0 ? 1 : 0));
        }
        pressNext(w);
    }
    w.button("Command10")->click();
    QApplication::processEvents();
    if (ui::ResultsWindow* results = trainer.results().window())
        ok = save(*results, folder + QStringLiteral("/results-window.png")) && ok;
    else
        ok = false;
    return ok ? 0 : 1;
}
