// What a screen reader gets from the windows, read through Qt's accessibility
// interfaces as an assistive technology reads them.
#include <QAccessible>
#include <QFile>
#include <QLibraryInfo>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <set>

#include "ExpectedSteps.h"
#include "WindowTestSupport.h"
#include "engine/Narration.h"
#include "frontend/MainWindowLayout.h"
#include "frontend/ResultsWindowLayout.h"

namespace {

using testing_support::control;
using testing_support::qs;
using testing_support::ShownApp;

QAccessibleInterface* reader(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(iface, nullptr) << object->objectName().toStdString();
    return iface;
}

QString nameOf(QObject* object) {
    return reader(object)->text(QAccessible::Name);
}
QString descriptionOf(QObject* object) {
    return reader(object)->text(QAccessible::Description);
}

// The caption labels that label `object` for a screen reader.
QStringList labelledBy(QObject* object) {
    QStringList names;
    for (const auto& [other, relation] : reader(object)->relations(QAccessible::Label))
        names << other->object()->objectName();
    return names;
}

// The words each step's description must carry, whatever else it says.
const std::array<const char*, 9> kStepWords = {"",
                                               "наименьший общий знаменатель",
                                               "множитель к 1 дроби",
                                               "множитель ко 2 дроби",
                                               "числитель 1 дроби",
                                               "числитель 2 дроби",
                                               "числитель результата",
                                               "знаменатель результата",
                                               "сократим"};

QAccessible::Role roleFor(frontend::ControlKind kind) {
    switch (kind) {
    case frontend::ControlKind::Label:
        return QAccessible::StaticText;
    case frontend::ControlKind::TextBox:
        return QAccessible::EditableText;
    case frontend::ControlKind::PushButton:
        return QAccessible::Button;
    case frontend::ControlKind::Frame:
        return QAccessible::Grouping;
    case frontend::ControlKind::OptionButton:
        return QAccessible::RadioButton;
    }
    return QAccessible::NoRole;
}

TEST(Accessibility, EveryMainControlHasItsRoleAndItsCaptionAsName) {
    ShownApp app;
    for (const frontend::ControlLayout& c : frontend::mainWindowLayout().controls) {
        SCOPED_TRACE(c.name);
        QWidget* widget = control(app.window(), QString::fromLatin1(c.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(reader(widget)->role(), roleFor(c.kind));
        if (c.kind != frontend::ControlKind::TextBox) {
            EXPECT_EQ(nameOf(widget), QString::fromUtf8(c.caption));
        }
    }
    // An answer box has no caption: it is named and labelled by its step's.
    for (int k = 1; k <= 7; ++k) {
        SCOPED_TRACE(k);
        QLineEdit* box = app.window().answerBox(k);
        EXPECT_EQ(nameOf(box), app.caption(QStringLiteral("Label%1").arg(k)));
        EXPECT_EQ(labelledBy(box), QStringList{QStringLiteral("Label%1").arg(k)});
        EXPECT_FALSE(descriptionOf(box).isEmpty());
    }
}

TEST(Accessibility, DescriptionsSayWhichStepAndWhatIsCounted) {
    ShownApp app;
    std::set<QString> seen;
    for (int k = 1; k <= 7; ++k) {
        const QString step = QStringLiteral("шага %1").arg(k);
        for (const QString& name :
             {QStringLiteral("Command%1").arg(k), QStringLiteral("Label%1").arg(11 + k),
              QStringLiteral("Label%1").arg(18 + k)}) {
            SCOPED_TRACE(name.toStdString());
            const QString d = descriptionOf(control(app.window(), name));
            EXPECT_TRUE(d.contains(step)) << d.toStdString();
            EXPECT_TRUE(
                d.contains(qs(kStepWords[static_cast<std::size_t>(k)]), Qt::CaseInsensitive))
                << d.toStdString();
            EXPECT_TRUE(seen.insert(d).second) << "said of another control too";
        }
    }
    for (const char* option : {"Option1", "Option2"}) {
        const QString d = descriptionOf(control(app.window(), option));
        EXPECT_TRUE(d.contains(qs("шага 8")) && d.contains(qs("сократима"))) << d.toStdString();
        EXPECT_TRUE(seen.insert(d).second);
    }
    EXPECT_TRUE(descriptionOf(control(app.window(), "Label9")).contains(qs("Номер примера")));
    EXPECT_TRUE(descriptionOf(control(app.window(), "Label11")).contains(qs("ошибок")));
    for (const char* button : {"cmd1", "Command8", "Command9", "Command10"})
        EXPECT_FALSE(descriptionOf(control(app.window(), button)).isEmpty()) << button;
}

TEST(Accessibility, ResultsReadAsPairsOfCaptionAndValue) {
    ShownApp app;
    app.click("cmd1");
    app.answer(1, "0");
    app.click("Command10");
    ui::ResultsWindow* results = app.app->results().window();
    ASSERT_NE(results, nullptr);
    // value label -> its caption label, and which step's errors it counts
    const std::vector<std::pair<const char*, const char*>> pairs = {
        {"Label2", "Label1"},   {"Label4", "Label3"},   {"Label14", "Label6"},
        {"Label15", "Label7"},  {"Label16", "Label8"},  {"Label17", "Label9"},
        {"Label18", "Label10"}, {"Label19", "Label11"}, {"Label20", "Label12"},
        {"Label21", "Label13"}};
    std::set<QString> seen;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const auto [value, caption] = pairs[i];
        SCOPED_TRACE(value);
        auto* label = control<QLabel>(*results, value);
        EXPECT_EQ(reader(label)->role(), QAccessible::StaticText);
        EXPECT_EQ(nameOf(label), label->text());
        EXPECT_EQ(labelledBy(label), QStringList{QString::fromLatin1(caption)});
        const QString d = descriptionOf(label);
        EXPECT_TRUE(seen.insert(d).second) << d.toStdString();
        if (i >= 2) {
            const std::size_t step = i - 1;
            EXPECT_TRUE(d.contains(QStringLiteral("шаге %1").arg(step))) << d.toStdString();
            EXPECT_TRUE(d.contains(qs(kStepWords[step]), Qt::CaseInsensitive)) << d.toStdString();
        }
    }
    EXPECT_EQ(nameOf(control(*results, "Label2")), "0");
    EXPECT_EQ(nameOf(control(*results, "Label4")), "1");
    EXPECT_EQ(nameOf(control(*results, "Label14")), "1");
    EXPECT_EQ(nameOf(control(*results, "Label1")), qs("Решено примеров:"));
    for (const frontend::ControlLayout& c : frontend::resultsWindowLayout().controls) {
        if (*c.caption) {
            EXPECT_EQ(nameOf(control(*results, QString::fromLatin1(c.name))),
                      QString::fromUtf8(c.caption));
        }
    }
}

// What the announcer said last: the sentence a screen reader speaks as it
// appears.
QString said(QWidget& window) {
    auto* announcer = control<QLabel>(window, "announcer");
    EXPECT_EQ(reader(announcer)->role(), QAccessible::Notification);
    EXPECT_FALSE(window.rect().intersects(announcer->geometry())) << "seen by the pupil";
    return nameOf(announcer);
}

TEST(Accessibility, ThePupilHearsTheExampleTheVerdictsAndTheDrawingOnF2) {
    ShownApp app;
    QWidget& surface = app.window().surface();
    EXPECT_EQ(reader(&surface)->role(), QAccessible::Graphic);
    EXPECT_FALSE(nameOf(&surface).isEmpty());
    EXPECT_EQ(descriptionOf(&surface), qs(engine::kNothingDrawnWords));
    QTest::keyClick(app.window().answerBox(1), Qt::Key_F2);
    EXPECT_EQ(said(app.window()), qs(engine::kNothingDrawnWords));

    app.click("cmd1");
    EXPECT_EQ(said(app.window()), QString::fromStdString(engine::exampleWords(app.state())));
    const auto w = testing_support::expectedSteps(app.state().exampleId);
    QLineEdit* box = app.window().answerBox(1);
    // Enter moves on as a program's own move, not as Tab, which would select
    // the next box's text and hide the move from a screen reader.
    app.window().answerBox(2)->setText(QStringLiteral("5"));
    box->setFocus();
    QTest::keyClicks(box, QString::number(w[1]));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(said(app.window()), QStringLiteral("Шаг 1, ответ %1, верно.").arg(w[1]));
    EXPECT_TRUE(app.window().answerBox(2)->hasFocus());
    EXPECT_FALSE(app.window().answerBox(2)->hasSelectedText());
    EXPECT_EQ(descriptionOf(&surface), QString::fromStdString(engine::drawingWords(app.state())));
    QPushButton* confirm = app.window().button("Command2");
    confirm->setFocus();
    QTest::keyClick(confirm, Qt::Key_Space);
    EXPECT_EQ(said(app.window()), qs("Шаг 2, ответ 5, %1. Фокус на кнопке Да шага 2.")
                                      .arg(w[2] == 5 ? qs("верно") : qs("ошибка")));
    QTest::keyClick(confirm, Qt::Key_F2);
    EXPECT_EQ(said(app.window()), descriptionOf(&surface));
    EXPECT_TRUE(said(app.window()).contains(qs("Новые дроби")));
}

TEST(Accessibility, TheResultsAreHeardAndEscClosesThem) {
    ShownApp app;
    app.click("Command10");
    QPointer<ui::ResultsWindow> results = app.app->results().window();
    ASSERT_TRUE(results);
    // Empty values read as empty, not as their captions, and stay labelled.
    auto* solved = control<QLabel>(*results, "Label2");
    EXPECT_EQ(nameOf(solved), QString());
    EXPECT_EQ(labelledBy(solved), QStringList{QStringLiteral("Label1")});

    app.click("cmd1");
    app.click("Command10");
    ASSERT_TRUE(QTest::qWaitForWindowActive(results));
    EXPECT_TRUE(said(*results).startsWith(qs("Решено примеров 0. Допущено ошибок 0.")));
    QTest::keyClick(results, Qt::Key_Escape);
    QTRY_VERIFY(!results);
}

TEST(Toolkit, ItsOwnTextsAreRussian) {
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                       QStringLiteral("/qtbase_ru.qm")))
        GTEST_SKIP() << "Qt's Russian catalogue is not installed";
    ShownApp app;
    std::unique_ptr<QMenu> menu(app.window().answerBox(1)->createStandardContextMenu());
    int entries = 0;
    for (QAction* action : menu->actions()) {
        const QString words = action->text().section(u'\t', 0, 0); // not the shortcut
        if (action->isSeparator())
            continue;
        ++entries;
        EXPECT_FALSE(words.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))))
            << words.toStdString();
    }
    EXPECT_GE(entries, 6);
}

} // namespace
