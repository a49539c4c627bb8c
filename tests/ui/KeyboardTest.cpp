// The program without the mouse: every key goes to the widget that has the
// focus, as on a real keyboard, and the focus moves only by the keys.
#include <QRadioButton>

#include "ExpectedSteps.h"
#include "WindowTestSupport.h"

namespace {

using testing_support::control;
using testing_support::qs;
using testing_support::ShownApp;

QWidget* focused() {
    return QApplication::focusWidget();
}

QString focusedName() {
    return focused() ? focused()->objectName() : QString();
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    ASSERT_NE(focused(), nullptr);
    QTest::keyClick(focused(), key, modifiers);
}

// Presses Tab (or Shift+Tab) until `name` has the focus; fails after a whole
// round of the window's controls.
void tabTo(const QString& name, bool backwards = false) {
    for (int i = 0; i < 30 && focusedName() != name; ++i)
        press(Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
    ASSERT_EQ(focusedName().toStdString(), name.toStdString());
}

// Works the example on screen right, by keys alone: steps 1..3 through
// Tab to their «Да» and Space, steps 4..7 through Enter in the box, and step
// 8 with an arrow key and Space in the option group.
void workExampleByKeys(ShownApp& app) {
    const int id = app.state().exampleId;
    const auto want = testing_support::expectedSteps(id);
    for (int k = 1; k <= 7; ++k) {
        SCOPED_TRACE(k);
        tabTo(QStringLiteral("t%1").arg(k));
        QTest::keyClicks(focused(), QString::number(want[static_cast<std::size_t>(k)]));
        if (k <= 3) {
            tabTo(QStringLiteral("Command%1").arg(k));
            press(Qt::Key_Space);
        } else {
            press(Qt::Key_Return);
        }
        EXPECT_EQ(app.caption(QStringLiteral("Label%1").arg(18 + k)), qs("- верно"));
    }
    // Tab enters the group at its selected option, which the last example
    // may have left at either.
    auto* no = control<QRadioButton>(app.window(), "Option2");
    const bool wantNo = !testing_support::reduces(id);
    tabTo(no->isChecked() ? QStringLiteral("Option2") : QStringLiteral("Option1"));
    if (no->isChecked() != wantNo) {
        press(wantNo ? Qt::Key_Right : Qt::Key_Left);
        EXPECT_EQ(focusedName().toStdString(), wantNo ? "Option2" : "Option1");
        press(Qt::Key_Space);
    }
    EXPECT_EQ(no->isChecked(), wantNo);
}

TEST(Keyboard, TwoWholeExamplesAndTheResultsWithoutTheMouse) {
    ShownApp app;
    EXPECT_EQ(focusedName().toStdString(), "t1");
    press(Qt::Key_Escape);
    ASSERT_EQ(app.state().exampleNumber, 1);
    for (int n = 1; n <= 2; ++n) {
        SCOPED_TRACE(n);
        workExampleByKeys(app);
        tabTo(QStringLiteral("Command9"), true);
        press(Qt::Key_Space);
        EXPECT_EQ(app.state().exampleNumber, n + 1);
        EXPECT_EQ(app.caption("Label11"), "0");
        EXPECT_EQ(app.caption("Label19"), "");
    }
    EXPECT_EQ(app.state().stepErrors, (std::array<int, 9>{}));
    tabTo(QStringLiteral("Command10"));
    press(Qt::Key_Space);
    ui::ResultsWindow* results = app.app->results().window();
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(results->value(engine::ResultLabel::Label2), "2");
    EXPECT_EQ(results->value(engine::ResultLabel::Label4), "0");
}

TEST(Keyboard, ArrowsMoveWithinTheOptionGroupAndSpaceChooses) {
    ShownApp app;
    auto* yes = control<QRadioButton>(app.window(), "Option1");
    auto* no = control<QRadioButton>(app.window(), "Option2");
    tabTo(QStringLiteral("Option1"));
    press(Qt::Key_Right);
    ASSERT_EQ(focused(), no);
    press(Qt::Key_Space);
    EXPECT_TRUE(no->isChecked());
    EXPECT_FALSE(yes->isChecked());
    press(Qt::Key_Left);
    ASSERT_EQ(focused(), yes);
    press(Qt::Key_Space);
    EXPECT_TRUE(yes->isChecked());
    EXPECT_FALSE(no->isChecked());
}

} // namespace
