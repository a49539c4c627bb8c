#include <random>

#include "ExpectedSteps.h"
#include "WindowTestSupport.h"
#include "frontend/ResultsWindowLayout.h"
#include "ui/Platform.h"
#include "ui/ResultsWindow.h"

namespace {

using testing_support::control;
using testing_support::qs;
using testing_support::ShownApp;

const int kValueLabels[] = {2, 4, 14, 15, 16, 17, 18, 19, 20, 21};

QString value(ui::ResultsWindow* w, int n) {
    return control<QLabel>(*w, QStringLiteral("Label%1").arg(n))->text();
}

TEST(ResultsWindow, EveryLabelStandsWhereItsRowSaysAndValuesStartEmpty) {
    ShownApp app;
    app.click("Command10");
    ui::ResultsWindow* w = app.app->results().window();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName(), "Form2");
    EXPECT_EQ(w->windowTitle(), qs("Результат"));
    EXPECT_EQ(w->size(), QSize(450, 388));
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    EXPECT_EQ(w->geometry().topLeft(), QPoint(287, 301));
    EXPECT_FALSE(w->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(w->parentWidget(), nullptr);
    EXPECT_FALSE(w->isModal());
    EXPECT_EQ(w->windowIcon().availableSizes().value(0), QSize(32, 32));
    EXPECT_EQ(w->palette().color(QPalette::Window), QColor(0xC0, 0xFF, 0xFF));
    for (const frontend::ControlLayout& c : frontend::resultsWindowLayout().controls) {
        SCOPED_TRACE(c.name);
        auto* label = control<QLabel>(*w, QString::fromLatin1(c.name));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->geometry(), QRect(c.left / 15, c.top / 15, c.width / 15, c.height / 15));
        EXPECT_EQ(label->text(), QString::fromUtf8(c.caption));
        EXPECT_EQ(label->font().family(), ui::platform::fontFamily(c.font.face));
        EXPECT_NEAR(label->font().pixelSize(), c.font.points * 4 / 3, 1) << "the layout's size";
        EXPECT_EQ(label->font().bold(), c.font.bold);
        EXPECT_EQ(label->palette().color(QPalette::WindowText).rgb() & 0xFFFFFF, c.text);
        EXPECT_EQ(label->palette().color(QPalette::Window), QColor(0xC0, 0xFF, 0xFF));
        EXPECT_EQ(label->frameShape() == QFrame::Box, c.border);
    }
    // By hand, in case the table drifts.
    EXPECT_EQ(control<QLabel>(*w, "Label4")->palette().color(QPalette::WindowText), Qt::red);
    EXPECT_EQ(control<QLabel>(*w, "Label8")->width(), 313);
    EXPECT_EQ(control<QLabel>(*w, "Label21")->alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    EXPECT_EQ(control<QLabel>(*w, "Label2")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_EQ(control<QLabel>(*w, "Label1")->alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
    EXPECT_EQ(control<QLabel>(*w, "Label13")->text(), qs("Сократимость дроби:"));
    // The value label lies over the step label it overlaps.
    EXPECT_EQ(w->childAt(353, 190), control(*w, "Label16"));
    // Before the start: captions and empty values, not "0".
    for (int n : kValueLabels)
        EXPECT_EQ(value(w, n), "") << n;
    EXPECT_EQ(app.caption("Label11"), "");
}

TEST(ResultsWindow, OpenCloseOpenAndRefreshInPlace) {
    ShownApp app;
    app.click("cmd1");
    app.click("Command10");
    QPointer<ui::ResultsWindow> first = app.app->results().window();
    ASSERT_TRUE(first);
    for (int n : kValueLabels)
        EXPECT_EQ(value(first, n), "0") << n;
    // The main window stays usable; the results are a snapshot.
    app.answer(1, "0");
    EXPECT_EQ(value(first, 14), "0");
    app.click("Command10");
    EXPECT_EQ(app.app->results().window(), first.data());
    EXPECT_EQ(value(first, 14), "1");
    EXPECT_EQ(value(first, 4), "1");
    const QWidgetList windows = QApplication::topLevelWidgets();
    EXPECT_EQ(
        std::count_if(windows.begin(), windows.end(),
                      [](QWidget* w) { return w->objectName() == "Form2" && w->isVisible(); }),
        1);
    first->close();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    app.answer(2, "0");
    app.click("Command10");
    ui::ResultsWindow* second = app.app->results().window();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(value(second, 15), "1");
    EXPECT_EQ(value(second, 4), "2");
    EXPECT_EQ(value(second, 2), "0");
}

TEST(ResultsWindow, SolvedCountsTheExampleOnScreenOnlyWhenAllSevenStepsAreConfirmed) {
    ShownApp app;
    app.click("cmd1");
    for (int press = 0; press < 4; ++press)
        app.click("Command9");
    for (int k = 1; k <= 6; ++k)
        app.answer(k, "1");
    app.click("Command10");
    EXPECT_EQ(value(app.app->results().window(), 2), "4");
    app.answer(7, "1");
    app.click("Command10");
    EXPECT_EQ(value(app.app->results().window(), 2), "5");
}

TEST(ResultsWindow, StepEightErrorsShowOnlyAfterTheNextPressJudgedThem) {
    ShownApp app;
    app.click("cmd1");
    const bool reduces = testing_support::reduces(app.state().exampleId);
    QTest::mouseClick(control(app.window(), reduces ? "Option2" : "Option1"), Qt::LeftButton, {},
                      QPoint(6, 12));
    app.click("Command10");
    EXPECT_EQ(value(app.app->results().window(), 21), "0");
    app.click("Command9");
    app.click("Command10");
    EXPECT_EQ(value(app.app->results().window(), 21), "1");
}

TEST(ResultsWindow, ExitEndsTheEventLoopWithBothWindowsOpen) {
    ShownApp app;
    app.click("cmd1");
    app.click("Command10");
    ASSERT_TRUE(app.app->results().window()->isVisible());
    QTimer::singleShot(0, [&] { app.click("Command8"); });
    QTimer failsafe;
    bool timedOut = false;
    QObject::connect(&failsafe, &QTimer::timeout, [&] {
        timedOut = true;
        QApplication::exit(2);
    });
    failsafe.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(timedOut);
}

// A run through the real windows with a fixed pattern of wrong answers,
// counted independently by the test.
TEST(ResultsWindow, AWholeRunCountsEveryErrorWhereItWasMade) {
    ShownApp app;
    app.click("cmd1");
    std::mt19937 random(20261208);
    std::array<int, 9> errors{};
    int completeLast = 0;
    for (int n = 1; n <= 21; ++n) {
        const int id = app.state().exampleId;
        const auto want = testing_support::expectedSteps(id);
        for (int k = 1; k <= 7; ++k) {
            const int choice = static_cast<int>(random() % 6);
            if (choice == 0) {
                ++errors[static_cast<std::size_t>(k)]; // left empty: counted when moving on
                continue;
            }
            if (choice == 1) {
                app.type(k, "12abc"); // typed, never confirmed: not counted
                continue;
            }
            if (choice == 2) {
                app.answer(k, QString::number(want[static_cast<std::size_t>(k)] + 1));
                ++errors[static_cast<std::size_t>(k)];
                continue;
            }
            app.answer(k, QString::number(want[static_cast<std::size_t>(k)]));
        }
        if (n == 21)
            completeLast = !app.caption("Label12").isEmpty() && !app.caption("Label13").isEmpty() &&
                           !app.caption("Label14").isEmpty() && !app.caption("Label15").isEmpty() &&
                           !app.caption("Label16").isEmpty() && !app.caption("Label17").isEmpty() &&
                           !app.caption("Label18").isEmpty();
        const bool sayNo = random() % 2 == 0;
        QTest::mouseClick(control(app.window(), sayNo ? "Option2" : "Option1"), Qt::LeftButton, {},
                          QPoint(6, 12));
        if (sayNo == testing_support::reduces(id))
            ++errors[8];
        testing_support::clickExpectingMessage(app.window().button("Command9"));
    }
    app.click("Command10");
    ui::ResultsWindow* w = app.app->results().window();
    int total = 0;
    for (int k = 1; k <= 8; ++k) {
        EXPECT_EQ(value(w, 13 + k), QString::number(errors[static_cast<std::size_t>(k)])) << k;
        total += errors[static_cast<std::size_t>(k)];
    }
    EXPECT_EQ(value(w, 4), QString::number(total));
    EXPECT_EQ(app.caption("Label11"), QString::number(total));
    EXPECT_EQ(value(w, 2), QString::number(20 + completeLast));
}

} // namespace
