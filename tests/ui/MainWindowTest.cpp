#include <QGroupBox>
#include <QRadioButton>

#include "ExpectedSteps.h"
#include "WindowTestSupport.h"
#include "frontend/Layout.h"
#include "frontend/MainWindowLayout.h"
#include "ui/Platform.h"

namespace {

using testing_support::control;
using testing_support::qs;
using testing_support::ShownApp;

const QColor kInk(0x00, 0x00, 0xC0);

TEST(MainWindow, WindowPropertiesAndStartState) {
    ShownApp app;
    QWidget& w = app.window();
    EXPECT_EQ(w.objectName(), "Form1");
    EXPECT_EQ(w.windowTitle(), qs("Сложение и вычитание обыкновенных дробей"));
    EXPECT_EQ(w.size(), QSize(706, 487));
    EXPECT_EQ(w.minimumSize(), QSize(706, 487));
    EXPECT_EQ(w.maximumSize(), QSize(706, 487));
    EXPECT_EQ(w.geometry().topLeft(), QPoint(155, 95));
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(w.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(w.windowIcon().availableSizes().value(0), QSize(48, 48));
    // The window picture is under the controls: the desk strip's deep blue in
    // its corner, as the picture has always had it.
    EXPECT_EQ(app.window().surface().grab().toImage().pixelColor(0, 0).name(), "#2051c8");
    EXPECT_EQ(QApplication::focusWidget(), app.window().answerBox(1));
    for (int n = 8; n <= 25; ++n)
        EXPECT_EQ(app.caption(QStringLiteral("Label%1").arg(n)), "") << n;
    EXPECT_TRUE(control<QRadioButton>(w, "Option1")->isChecked());
    EXPECT_FALSE(control<QRadioButton>(w, "Option2")->isChecked());
    EXPECT_EQ(control<QGroupBox>(w, "Frame1")->title(), qs("8) Эта  дробь сократима?"));
}

TEST(MainWindow, EveryControlStandsWhereItsRowSays) {
    ShownApp app;
    for (const frontend::ControlLayout& c : frontend::mainWindowLayout().controls) {
        SCOPED_TRACE(c.name);
        QWidget* widget = control(app.window(), QString::fromLatin1(c.name));
        ASSERT_NE(widget, nullptr);
        const QRect want(c.left / 15, c.top / 15, c.width / 15, c.height / 15);
        EXPECT_EQ(widget->geometry(), want);
        EXPECT_TRUE(widget->isVisible());
        EXPECT_TRUE(widget->isEnabled());
        const QFont font = widget->font();
        EXPECT_EQ(font.family(), ui::platform::fontFamily(c.font.face));
        EXPECT_NEAR(font.pixelSize(), c.font.points * 4 / 3, 1) << "the layout's size";
        EXPECT_EQ(font.bold(), c.font.bold);
        EXPECT_EQ(font.underline(), c.font.underline);
        EXPECT_EQ(QFontInfo(font).family(), font.family()) << "the face is installed";
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            EXPECT_EQ(label->text(), QString::fromUtf8(c.caption));
            EXPECT_TRUE(label->autoFillBackground());
            EXPECT_EQ(label->palette().color(QPalette::Window).rgb() & 0xFFFFFF, c.fill);
            EXPECT_EQ(label->palette().color(QPalette::WindowText).rgb() & 0xFFFFFF, c.text);
            EXPECT_EQ(label->frameShape() == QFrame::Box, c.border);
            const Qt::Alignment h = label->alignment() & Qt::AlignHorizontal_Mask;
            EXPECT_EQ(h, c.align == frontend::Align::Right ? Qt::AlignRight : Qt::AlignLeft);
        } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
            EXPECT_EQ(box->text(), "");
            EXPECT_EQ(box->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
            EXPECT_EQ(box->palette().color(QPalette::Text), kInk);
        } else if (auto* option = qobject_cast<QRadioButton*>(widget)) {
            EXPECT_EQ(option->text(), QString::fromUtf8(c.caption));
            EXPECT_EQ(option->isChecked(), c.selected);
            EXPECT_TRUE(option->autoFillBackground());
            EXPECT_EQ(option->palette().color(option->backgroundRole()).rgb() & 0xFFFFFF, c.fill);
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            EXPECT_EQ(button->text(), QString::fromUtf8(c.caption));
            EXPECT_EQ(button->palette().color(QPalette::Button).rgb() & 0xFFFFFF, c.fill);
        }
    }
    // A few rows by hand, in pixels, in case the table itself drifts.
    EXPECT_EQ(control(app.window(), "t2")->height(), 28);
    EXPECT_EQ(control(app.window(), "t3")->height(), 29);
    EXPECT_EQ(control(app.window(), "Label25")->width(), 73);
    EXPECT_EQ(control(app.window(), "Label24")->width(), 97);
    EXPECT_EQ(control(app.window(), "Label11")->geometry(), QRect(648, 88, 41, 33));
    EXPECT_EQ(control(app.window(), "Option2")->geometry(), QRect(320, 16, 49, 25));
    EXPECT_EQ(control(app.window(), "Option2")->parentWidget()->objectName(), "Frame1");
    EXPECT_EQ(control<QPushButton>(app.window(), "Command9")->text(), qs("Ещё пример"));
}

TEST(MainWindow, StackingPutsBoxesOverLabelsAndVerdictsOverEchoes) {
    ShownApp app;
    QWidget& w = app.window();
    // The last pixel column of a caption label lies under its answer box.
    EXPECT_EQ(w.childAt(440, 150), control(w, "t1"));
    // The verdict label covers the last 9 pixels of the echo label.
    EXPECT_EQ(w.childAt(548, 160), control(w, "Label19"));
    EXPECT_EQ(w.childAt(540, 160), control(w, "Label12"));
    // The option buttons show their own fill over the frame's.
    const QImage grab = testing_support::grabWindow(w);
    EXPECT_EQ(grab.pixelColor(383, 386), QColor(0xC0, 0xFF, 0xFF));
    // Option2 is clipped by its frame: its right end is not visible.
    EXPECT_EQ(control(w, "Option2")->visibleRegion().boundingRect().right(), 40);
}

// The layout's Tab chain (its order is checked against the table itself),
// with the option group visited once, at its checked option.
TEST(MainWindow, TabVisitsTheControlsInTabIndexOrder) {
    ShownApp app;
    QStringList expected;
    for (const frontend::ControlLayout* c : frontend::tabChain(frontend::mainWindowLayout())) {
        if (c->kind != frontend::ControlKind::OptionButton || c->selected)
            expected << c->name;
    }
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited, expected);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), expected.front());
}

TEST(MainWindow, StartHidesTheButtonShowsCountersAndDrawsTheExample) {
    ShownApp app;
    const QImage before = testing_support::grabWindow(app.window());
    app.click("cmd1");
    EXPECT_EQ(QApplication::focusWidget(), app.window().answerBox(1));
    EXPECT_EQ(control(app.window(), "cmd1")->geometry(), QRect(1267, 267, 73, 25));
    EXPECT_FALSE(app.window().rect().intersects(control(app.window(), "cmd1")->geometry()));
    EXPECT_EQ(app.caption("Label8"), qs("Пример:"));
    EXPECT_EQ(app.caption("Label9"), "1");
    EXPECT_EQ(app.caption("Label10"), qs("Ошибок:"));
    EXPECT_EQ(app.caption("Label11"), "0");

    const QImage grab = testing_support::grabWindow(app.window());
    // The dot at the top-left corner of every printed item.
    for (auto [x, y] : {std::pair{3100, 900},
                        {3100, 1300},
                        {3800, 1110},
                        {4100, 900},
                        {4100, 1300},
                        {4800, 1110},
                        {5850, 1110}}) {
        EXPECT_EQ(testing_support::pixelAt(grab, x, y), kInk) << x << "," << y;
        EXPECT_NE(testing_support::pixelAt(before, x, y), kInk) << x << "," << y;
    }
    // The four bars, along their whole length.
    for (auto [from, to] : {std::pair{3100, 3650}, {4100, 4650}, {5150, 5700}, {6150, 6750}}) {
        for (int x = from; x <= to; x += 15)
            EXPECT_EQ(testing_support::pixelAt(grab, x, 1330), kInk) << "bar at " << x;
    }
    // Nothing is drawn over the empty template's numerator places yet.
    EXPECT_NE(testing_support::pixelAt(grab, 5120, 900), kInk);

    // Out of view, it leaves the Tab chain.
    control(app.window(), "Command1")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), app.window().answerBox(2));

    // Covering and repainting keeps the drawing.
    const QRect example(200, 30, 350, 70);
    app.window().hide();
    app.window().show();
    EXPECT_EQ(testing_support::grabWindow(app.window()).copy(example), grab.copy(example));

    // The drawn example is the first of the order.
    const engine::TrainerState& s = app.state();
    EXPECT_EQ(s.exampleId, s.exampleOrder[1]);
    const auto& printed = app.window().surface().printedItems();
    ASSERT_EQ(printed.size(), 7u);
    EXPECT_EQ(printed[0].text, " " + std::to_string(engine::exampleById(s.exampleId).numerator1));
}

TEST(MainWindow, StepsAreJudgedEchoedAndDrawn) {
    ShownApp app;
    app.click("cmd1");
    const int id = app.state().exampleId;
    const auto want = testing_support::expectedSteps(id);
    app.answer(1, QString::number(want[1]) + " abc");
    app.answer(2, "0");
    EXPECT_EQ(app.caption("Label12"), QString::number(want[1]));
    EXPECT_EQ(app.caption("Label19"), qs("- верно"));
    EXPECT_EQ(app.caption("Label13"), "0");
    EXPECT_EQ(app.caption("Label20"), qs("- ошибка"));
    EXPECT_EQ(app.caption("Label11"), "1");
    // A second press on a judged step only empties its box.
    app.answer(2, QString::number(want[2]));
    EXPECT_EQ(app.window().answerBox(2)->text(), "");
    EXPECT_EQ(app.caption("Label13"), "0");
    EXPECT_EQ(app.caption("Label11"), "1");
    // Step 1 printed the common denominator under both template bars.
    const QImage grab = testing_support::grabWindow(app.window());
    EXPECT_EQ(testing_support::pixelAt(grab, 5120, 1300), kInk);
    EXPECT_EQ(testing_support::pixelAt(grab, 6120, 1300), kInk);
}

TEST(MainWindow, EnterConfirmsAndMovesOnEscPressesStart) {
    ShownApp app;
    QTest::keyClick(app.window().answerBox(1), Qt::Key_Escape);
    EXPECT_EQ(app.caption("Label9"), "1");
    EXPECT_GE(control(app.window(), "cmd1")->x(), 706);
    const auto want = testing_support::expectedSteps(app.state().exampleId);
    app.window().answerBox(1)->setFocus();
    for (int k = 1; k <= 7; ++k) {
        QWidget* box = QApplication::focusWidget();
        ASSERT_EQ(box, app.window().answerBox(k));
        QTest::keyClicks(box, QString::number(want[static_cast<std::size_t>(k)]));
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_EQ(app.caption(QStringLiteral("Label%1").arg(18 + k)), qs("- верно")) << k;
    }
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "Command9");
    EXPECT_EQ(app.caption("Label11"), "0");
    // Esc again only moves the hidden button: no new run.
    const auto order = app.state().exampleOrder;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(app.state().exampleOrder, order);
    EXPECT_EQ(app.caption("Label19"), qs("- верно"));
}

TEST(MainWindow, ButtonsBeforeTheStartDoNothing) {
    ShownApp app;
    app.type(1, "12");
    for (int k = 1; k <= 7; ++k)
        app.click(QStringLiteral("Command%1").arg(k));
    EXPECT_EQ(testing_support::clickExpectingMessage(app.window().button("Command9")), "");
    EXPECT_EQ(app.window().answerBox(1)->text(), "12");
    for (int n = 8; n <= 25; ++n)
        EXPECT_EQ(app.caption(QStringLiteral("Label%1").arg(n)), "") << n;
    EXPECT_TRUE(app.window().surface().printedItems().empty());
}

TEST(MainWindow, AWholeRunAnsweredRightEndsWithTheLastExampleMessage) {
    ShownApp app;
    app.click("cmd1");
    auto* option1 = control<QRadioButton>(app.window(), "Option1");
    auto* option2 = control<QRadioButton>(app.window(), "Option2");
    for (int n = 1; n <= 21; ++n) {
        const int id = app.state().exampleId;
        EXPECT_EQ(app.caption("Label9"), QString::number(n));
        const auto want = testing_support::expectedSteps(id);
        for (int k = 1; k <= 7; ++k)
            app.answer(k, QString::number(want[static_cast<std::size_t>(k)]));
        QTest::mouseClick(testing_support::reduces(id) ? option1 : option2, Qt::LeftButton, {},
                          QPoint(6, 12));
        if (n < 21) {
            EXPECT_EQ(testing_support::clickExpectingMessage(app.window().button("Command9")), "");
        }
    }
    EXPECT_EQ(app.caption("Label9"), "21");
    EXPECT_EQ(app.caption("Label11"), "0");
    QString title;
    EXPECT_EQ(testing_support::clickExpectingMessage(app.window().button("Command9"), &title),
              qs("Это последний пример. Посмотрите результат."));
    EXPECT_EQ(title, qs("Сложение и вычитание обыкновенных дробей"));
    EXPECT_EQ(app.caption("Label11"), "0");
    EXPECT_EQ(app.caption("Label25"), qs("- верно")); // the last answers stay
    for (int press = 0; press < 2; ++press) {
        EXPECT_EQ(testing_support::clickExpectingMessage(app.window().button("Command9")),
                  qs("Это последний пример. Посмотрите результат."));
    }
    EXPECT_EQ(app.caption("Label9"), "21");
    EXPECT_EQ(app.caption("Label11"), "0");
    EXPECT_EQ(app.caption("Label18"),
              QString::number(testing_support::expectedSteps(app.state().exampleId)[7]));
}

} // namespace
