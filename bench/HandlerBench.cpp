// Times the trainer's button handlers on the real main window (offscreen):
// from the pupil's click to the end of the repaint it causes. Prints the
// median, 90th percentile and maximum of each handler in microseconds; it
// judges nothing.
//
//   handler-bench [SESSIONS]     (default 60 runs of 21 examples)
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/TrainerApp.h"
#include "engine/NumberText.h"
#include "engine/StepChecks.h"
#include "ui/Application.h"

namespace {

// The offscreen platform says so each time a window asks to be raised.
void quietMessages(QtMsgType, const QMessageLogContext&, const QString& text) {
    if (!text.startsWith(QLatin1String("This plugin does not support")) &&
        !text.startsWith(QLatin1String("QStandardPaths:")))
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

// Counts the widgets painted, to show that each timing includes its repaint.
class PaintCounter final : public QObject {
public:
    long paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

struct Samples {
    std::vector<double> micros;
    long paints = 0;
};

std::map<std::string, Samples> samples;
std::vector<std::string> order;
PaintCounter* counter = nullptr;

// Clicks `button` and lets every event it caused run, the repaint included.
void timedClick(const std::string& name, QPushButton* button) {
    QApplication::processEvents(); // nothing of earlier work is left
    const long paintsBefore = counter->paints;
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(button, Qt::LeftButton);
    QApplication::processEvents();
    const double micros = static_cast<double>(timer.nsecsElapsed()) / 1000.0;
    if (!samples.count(name))
        order.push_back(name);
    Samples& s = samples[name];
    s.micros.push_back(micros);
    s.paints += counter->paints - paintsBefore;
}

double quantile(std::vector<double> v, double q) {
    std::sort(v.begin(), v.end());
    const auto i = static_cast<std::size_t>(q * static_cast<double>(v.size() - 1) + 0.5);
    return v[i];
}

void runSession(int session) {
    app::TrainerApp trainer;
    ui::MainWindow& window = trainer.mainWindow();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "handler-bench: the window was never exposed\n");
        std::exit(1);
    }
    QApplication::processEvents();

    timedClick("start (first press)", window.button("cmd1"));
    for (int example = 1; example <= 21; ++example) {
        const engine::TrainerState& state = trainer.trainer().state();
        for (int k = 1; k <= 7; ++k) {
            // Every other example is answered right, the rest wrong.
            const double value = engine::expectedValue(state, k) + ((example + session) % 2);
            window.answerBox(k)->setText(QString::fromStdString(engine::captionText(value)));
            timedClick("confirm (a step judged)", window.button("Command" + std::to_string(k)));
        }
        timedClick("confirm (a judged step again)",
                   window.button("Command" + std::to_string(1 + example % 7)));
        if (example % 5 == 0) {
            const bool open = trainer.results().window() != nullptr;
            timedClick(open ? "results (refresh, open)" : "results (window opened)",
                       window.button("Command10"));
            if (example % 10 == 0) {
                trainer.results().window()->close();
                QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
        }
        if (example < 21)
            timedClick("next example", window.button("Command9"));
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    QApplication application(argc, argv);
    ui::prepareApplication(application);
    PaintCounter paints;
    counter = &paints;
    application.installEventFilter(&paints);

    const int sessions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    for (int s = 0; s < sessions; ++s)
        runSession(s);

    std::printf("handler timings, click to repaint done, offscreen, %d sessions (microseconds)\n",
                sessions);
    std::printf("%-32s %8s %8s %8s %7s %8s\n", "handler", "median", "p90", "max", "n", "paints");
    for (const std::string& name : order) {
        const Samples& s = samples[name];
        std::printf("%-32s %8.0f %8.0f %8.0f %7zu %8.1f\n", name.c_str(), quantile(s.micros, 0.5),
                    quantile(s.micros, 0.9), *std::max_element(s.micros.begin(), s.micros.end()),
                    s.micros.size(), static_cast<double>(s.paints) / s.micros.size());
    }
    return 0;
}
