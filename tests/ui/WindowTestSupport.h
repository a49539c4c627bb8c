#pragma once

// Helpers for driving the real windows headless: find controls by name, type
// and click as a pupil does, read pixels of a grab in twips.

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "app/TrainerApp.h"
#include "engine/Fakes.h"
#include "frontend/LayoutTypes.h"

namespace testing_support {

// A UTF-8 literal as the windows show it.
inline QString qs(const char* utf8) {
    return QString::fromUtf8(utf8);
}

template <typename W = QWidget> W* control(const QWidget& window, const QString& name) {
    W* widget = window.findChild<W*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

using fakes::SeededSource;

// The program with its main window shown and active; `random` and `speech`
// as for app::TrainerApp.
struct ShownApp {
    explicit ShownApp(engine::UniformSource* random = nullptr, ui::SystemSpeech* speech = nullptr)
        : app(std::make_unique<app::TrainerApp>(random, speech)) {
        window().show();
        window().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window()));
    }
    ui::MainWindow& window() { return app->mainWindow(); }
    const engine::TrainerState& state() const { return app->trainer().state(); }

    void click(const QString& name) {
        QTest::mouseClick(control<QPushButton>(window(), name), Qt::LeftButton);
    }
    void type(int step, const QString& text) {
        QLineEdit* box = window().answerBox(step);
        box->clear();
        QTest::keyClicks(box, text);
    }
    void answer(int step, const QString& text) {
        type(step, text);
        click(QStringLiteral("Command%1").arg(step));
    }
    QString caption(const QString& name) { return control<QLabel>(window(), name)->text(); }

    std::unique_ptr<app::TrainerApp> app;
};

// Presses the button and closes the modal message it shows; returns the
// message's text, or "" when none appeared.
inline QString clickExpectingMessage(QPushButton* button, QString* title = nullptr) {
    QString text;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            if (title)
                *title = box->windowTitle();
            EXPECT_EQ(box->icon(), QMessageBox::Information);
            EXPECT_EQ(box->buttons().size(), 1);
            box->accept();
        }
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QApplication::processEvents();
    return text;
}

// The colour of the pixel at (x, y) twips of a grab made at any pixel ratio.
inline QColor pixelAt(const QImage& grab, int x, int y) {
    const double ratio = grab.devicePixelRatio();
    return grab.pixelColor(static_cast<int>(frontend::twipsToPixels(x) * ratio),
                           static_cast<int>(frontend::twipsToPixels(y) * ratio));
}

inline QImage grabWindow(QWidget& window) {
    window.repaint();
    return window.grab().toImage();
}

} // namespace testing_support
