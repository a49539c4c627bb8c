// What a screen reader gets from the windows, read through Qt's accessibility
// interfaces as an assistive technology reads them.
#include <QAccessible>
#include <set>

#include "ExpectedSteps.h"
#include "WindowTestSupport.h"
#include "ui/Accessibility.h"
#include "ui/MainWindowLayout.h"
#include "ui/ResultsWindowLayout.h"

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

QAccessible::Role roleFor(ui::ControlKind kind) {
    switch (kind) {
    case ui::ControlKind::Label:
        return QAccessible::StaticText;
    case ui::ControlKind::TextBox:
        return QAccessible::EditableText;
    case ui::ControlKind::PushButton:
        return QAccessible::Button;
    case ui::ControlKind::Frame:
        return QAccessible::Grouping;
    case ui::ControlKind::OptionButton:
        return QAccessible::RadioButton;
    }
    return QAccessible::NoRole;
}

TEST(Accessibility, EveryMainControlHasItsRoleAndItsCaptionAsName) {
    ShownApp app;
    for (const ui::ControlLayout& c : ui::mainWindowLayout().controls) {
        SCOPED_TRACE(c.name);
        QWidget* widget = control(app.window(), QString::fromLatin1(c.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(reader(widget)->role(), roleFor(c.kind));
        if (c.kind != ui::ControlKind::TextBox) {
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
    for (const ui::ControlLayout& c : ui::resultsWindowLayout().controls) {
        if (*c.caption) {
            EXPECT_EQ(nameOf(control(*results, QString::fromLatin1(c.name))),
                      QString::fromUtf8(c.caption));
        }
    }
}

// The surface's words for the example on screen, before any step.
QString givenWords(int id) {
    const engine::Example& e = engine::exampleById(id);
    const QString sign = engine::isSubtraction(id) ? qs("минус") : qs("плюс");
    return qs("Пример: первая дробь — числитель %1, знаменатель %2; %3; вторая дробь — "
              "числитель %4, знаменатель %5.")
        .arg(e.numerator1)
        .arg(e.denominator1)
        .arg(sign)
        .arg(e.numerator2)
        .arg(e.denominator2);
}

TEST(Accessibility, TheSurfaceSaysWhatIsDrawnAfterEveryStep) {
    ShownApp app;
    QWidget& surface = app.window().surface();
    EXPECT_EQ(surface.objectName(), "surface");
    EXPECT_EQ(reader(&surface)->role(), QAccessible::Graphic);
    EXPECT_FALSE(nameOf(&surface).isEmpty());
    EXPECT_EQ(descriptionOf(&surface), qs("Пример ещё не нарисован."));

    app.click("cmd1");
    const int id = app.state().exampleId;
    const QString sign = engine::isSubtraction(id) ? qs("минус") : qs("плюс");
    const auto w = testing_support::expectedSteps(id);
    const QString given = givenWords(id);
    EXPECT_EQ(descriptionOf(&surface),
              given + qs(" Равно: первая новая дробь — числитель не заполнен, знаменатель не "
                         "заполнен; %1; вторая новая дробь — числитель не заполнен, "
                         "знаменатель не заполнен.")
                          .arg(sign));

    // Each step adds its values, right or wrong the answer: the surface
    // shows the worked solution, not what was typed.
    const std::array<QString, 8> answers = {"",  QString::number(w[1]), "0", QString::number(w[3]),
                                            "0", QString::number(w[5]), "0", QString::number(w[7])};
    const std::array<QString, 8> added = {
        "",
        qs("первая новая дробь — числитель не заполнен, знаменатель %1; %2; вторая новая дробь — "
           "числитель не заполнен, знаменатель %1.")
            .arg(w[1])
            .arg(sign),
        qs("Дополнительный множитель к 1 дроби: %1.").arg(w[2]),
        qs("Дополнительный множитель ко 2 дроби: %1.").arg(w[3]),
        qs("первая новая дробь — числитель %1, знаменатель %2;").arg(w[4]).arg(w[1]),
        qs("вторая новая дробь — числитель %1, знаменатель %2. Равно: результат — числитель не "
           "заполнен, знаменатель не заполнен.")
            .arg(w[5])
            .arg(w[1]),
        qs("результат — числитель %1, знаменатель не заполнен.").arg(w[6]),
        qs("результат — числитель %1, знаменатель %2.").arg(w[6]).arg(w[7]),
    };
    for (int k = 1; k <= 7; ++k) {
        SCOPED_TRACE(k);
        const QString before = descriptionOf(&surface);
        EXPECT_FALSE(before.contains(added[static_cast<std::size_t>(k)]));
        app.answer(k, answers[static_cast<std::size_t>(k)]);
        EXPECT_TRUE(descriptionOf(&surface).contains(added[static_cast<std::size_t>(k)]))
            << descriptionOf(&surface).toStdString();
        EXPECT_TRUE(descriptionOf(&surface).startsWith(given));
    }
    EXPECT_EQ(descriptionOf(&surface),
              given + qs(" Дополнительный множитель к 1 дроби: %1. Дополнительный множитель ко 2 "
                         "дроби: %2. Равно: первая новая дробь — числитель %3, знаменатель %4; "
                         "%5; вторая новая дробь — числитель %6, знаменатель %4. Равно: "
                         "результат — числитель %7, знаменатель %8.")
                          .arg(w[2])
                          .arg(w[3])
                          .arg(w[4])
                          .arg(w[1])
                          .arg(sign)
                          .arg(w[5])
                          .arg(w[6])
                          .arg(w[7]));

    // The next example replaces the whole description.
    testing_support::clickExpectingMessage(app.window().nextButton());
    ASSERT_EQ(app.state().exampleNumber, 2);
    EXPECT_TRUE(descriptionOf(&surface).startsWith(givenWords(app.state().exampleId)));
    EXPECT_FALSE(descriptionOf(&surface).contains(qs("Дополнительный")));
    app.window().surface().clear();
    EXPECT_EQ(descriptionOf(&surface), qs("Пример ещё не нарисован."));
}

// The words alone, from prints placed by hand where the trainer prints.
using Items = std::vector<ui::DrawingCanvas::PrintedItem>;

TEST(SurfaceWords, AnEmptySurfaceSaysThatNoExampleIsDrawn) {
    EXPECT_EQ(ui::describeDrawing(Items{}), qs("Пример ещё не нарисован."));
}

TEST(SurfaceWords, SaysTheSignsInWordsAndNegativeValuesAsTheyStand) {
    const Items items = {{3100, 900, 20, " 1"}, {3100, 1300, 20, " 2"}, {3800, 1110, 20, "-"},
                         {4100, 900, 20, " 3"}, {4100, 1300, 20, " 4"}, {4800, 1110, 20, "="},
                         {5850, 1110, 20, "-"}, {6900, 1110, 20, "="},  {7120, 900, 20, "-1"}};
    EXPECT_EQ(ui::describeDrawing(items),
              qs("Пример: первая дробь — числитель 1, знаменатель 2; минус; вторая дробь — "
                 "числитель 3, знаменатель 4. Равно: первая новая дробь — числитель не заполнен, "
                 "знаменатель не заполнен; минус; вторая новая дробь — числитель не заполнен, "
                 "знаменатель не заполнен. Равно: результат — числитель -1, знаменатель не "
                 "заполнен."));
}

TEST(SurfaceWords, PrintsOutsideTheKnownPlacesAreStillSaid) {
    const Items items = {{3100, 900, 20, " 5"}, {100, 100, 12, "?"}, {5120, 900, 20, " 8"}};
    EXPECT_EQ(ui::describeDrawing(items),
              qs("Пример: первая дробь — числитель 5, знаменатель не заполнен; знак не показан; "
                 "вторая дробь — числитель не заполнен, знаменатель не заполнен. Первая новая "
                 "дробь — числитель 8, знаменатель не заполнен; знак не показан; вторая новая "
                 "дробь — числитель не заполнен, знаменатель не заполнен. Ещё на рисунке: ?."));
}

} // namespace
