#include "ui/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <array>

#include "engine/Narration.h"
#include "ui/Announcer.h"
#include "ui/DrawingCanvas.h"
#include "ui/ResultsWindow.h"

namespace ui {
namespace {

struct Description {
    const char* control;
    const char* text;
};

// A caption label and the control it names: the screen reader reads them as
// one pair («Решено примеров:» 3).
struct Pair {
    const char* caption;
    const char* control;
};

// clang-format off
constexpr std::array<Description, 36> kMainDescriptions = {{
    {"cmd1", "Начинает работу и показывает первый пример (клавиша Esc)"},
    {"Label9", "Номер примера на экране, из 21"},
    {"Label11", "Сколько ошибок допущено с начала работы"},
    {"t1", "Введите число и нажмите Enter"},
    {"t2", "Введите число и нажмите Enter"},
    {"t3", "Введите число и нажмите Enter"},
    {"t4", "Введите число и нажмите Enter"},
    {"t5", "Введите число и нажмите Enter"},
    {"t6", "Введите число и нажмите Enter"},
    {"t7", "Введите число и нажмите Enter"},
    {"Command1", "Подтверждает ответ шага 1: наименьший общий знаменатель"},
    {"Command2", "Подтверждает ответ шага 2: дополнительный множитель к 1 дроби"},
    {"Command3", "Подтверждает ответ шага 3: дополнительный множитель ко 2 дроби"},
    {"Command4", "Подтверждает ответ шага 4: новый числитель 1 дроби"},
    {"Command5", "Подтверждает ответ шага 5: новый числитель 2 дроби"},
    {"Command6", "Подтверждает ответ шага 6: числитель результата"},
    {"Command7", "Подтверждает ответ шага 7: знаменатель результата"},
    {"Label12", "Принятый ответ шага 1: наименьший общий знаменатель"},
    {"Label13", "Принятый ответ шага 2: дополнительный множитель к 1 дроби"},
    {"Label14", "Принятый ответ шага 3: дополнительный множитель ко 2 дроби"},
    {"Label15", "Принятый ответ шага 4: новый числитель 1 дроби"},
    {"Label16", "Принятый ответ шага 5: новый числитель 2 дроби"},
    {"Label17", "Принятый ответ шага 6: числитель результата"},
    {"Label18", "Принятый ответ шага 7: знаменатель результата"},
    {"Label19", "Оценка ответа шага 1: наименьший общий знаменатель"},
    {"Label20", "Оценка ответа шага 2: дополнительный множитель к 1 дроби"},
    {"Label21", "Оценка ответа шага 3: дополнительный множитель ко 2 дроби"},
    {"Label22", "Оценка ответа шага 4: новый числитель 1 дроби"},
    {"Label23", "Оценка ответа шага 5: новый числитель 2 дроби"},
    {"Label24", "Оценка ответа шага 6: числитель результата"},
    {"Label25", "Оценка ответа шага 7: знаменатель результата"},
    {"Option1", "Ответ шага 8: дробь сократима"},
    {"Option2", "Ответ шага 8: дробь несократима"},
    {"Command9", "Засчитывает ответ шага 8 и показывает следующий пример"},
    {"Command10", "Открывает итоги: сколько примеров решено и сколько ошибок на каждом шаге"},
    {"Command8", "Закрывает программу"},
}};

// Each answer box has no caption of its own: it is named after its step's.
constexpr std::array<Pair, 7> kMainPairs = {{
    {"Label1", "t1"}, {"Label2", "t2"}, {"Label3", "t3"}, {"Label4", "t4"},
    {"Label5", "t5"}, {"Label6", "t6"}, {"Label7", "t7"},
}};

constexpr std::array<Description, 10> kResultsDescriptions = {{
    {"Label2", "Сколько примеров решено"},
    {"Label4", "Сколько ошибок допущено всего"},
    {"Label14", "Ошибок на шаге 1: наименьший общий знаменатель"},
    {"Label15", "Ошибок на шаге 2: дополнительный множитель к 1 дроби"},
    {"Label16", "Ошибок на шаге 3: дополнительный множитель ко 2 дроби"},
    {"Label17", "Ошибок на шаге 4: новый числитель 1 дроби"},
    {"Label18", "Ошибок на шаге 5: новый числитель 2 дроби"},
    {"Label19", "Ошибок на шаге 6: числитель результата"},
    {"Label20", "Ошибок на шаге 7: знаменатель результата"},
    {"Label21", "Ошибок на шаге 8: сократимость дроби"},
}};

constexpr std::array<Pair, 10> kResultsPairs = {{
    {"Label1", "Label2"}, {"Label3", "Label4"},
    {"Label6", "Label14"}, {"Label7", "Label15"}, {"Label8", "Label16"}, {"Label9", "Label17"},
    {"Label10", "Label18"}, {"Label11", "Label19"}, {"Label12", "Label20"}, {"Label13", "Label21"},
}};
// clang-format on

constexpr const char* kSurfaceName = "Рисунок примера";

QWidget* control(QWidget& window, const char* name) {
    return window.findChild<QWidget*>(QString::fromLatin1(name));
}

void applyDescriptions(QWidget& window, std::span<const Description> table) {
    for (const Description& d : table) {
        if (QWidget* widget = control(window, d.control))
            widget->setAccessibleDescription(QString::fromUtf8(d.text));
    }
}

// Makes each caption label the buddy of its control, so that the control is
// "labelled by" it; a buddy changes nothing on screen while the caption holds
// no '&'.
void applyPairs(QWidget& window, std::span<const Pair> table) {
    for (const Pair& p : table) {
        auto* caption = qobject_cast<QLabel*>(control(window, p.caption));
        QWidget* named = control(window, p.control);
        if (caption && named)
            caption->setBuddy(named);
    }
}

bool isResultValue(const QLabel& label) {
    if (!dynamic_cast<const ResultsWindow*>(label.window()))
        return false;
    const QByteArray name = label.objectName().toLatin1();
    return std::any_of(kResultsDescriptions.begin(), kResultsDescriptions.end(),
                       [&name](const Description& d) { return name == d.control; });
}

// A label whose name is exactly its text, also when it shows nothing: Qt
// would read an empty label as its caption, the buddy. The results window's
// values read as they stand; the announcer's sentence is its name, and its
// notification role makes a screen reader speak it as it appears.
class TextNameInterface final : public QAccessibleWidget {
public:
    TextNameInterface(QLabel* label, QAccessible::Role role) : QAccessibleWidget(label, role) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* trainerInterface(const QString&, QObject* object) {
    if (auto* canvas = dynamic_cast<DrawingCanvas*>(object)) // a picture, not a bare panel
        return new QAccessibleWidget(canvas, QAccessible::Graphic);
    if (auto* announcer = dynamic_cast<Announcer*>(object))
        return new TextNameInterface(announcer, QAccessible::Notification);
    if (auto* label = qobject_cast<QLabel*>(object); label && isResultValue(*label))
        return new TextNameInterface(label, QAccessible::StaticText);
    return nullptr;
}

} // namespace

void installAccessibility() {
    QAccessible::installFactory(trainerInterface);
}

void describeMainWindow(QWidget& window) {
    if (QWidget* surface = control(window, "surface")) {
        surface->setAccessibleName(QString::fromUtf8(kSurfaceName));
        surface->setAccessibleDescription(QString::fromUtf8(engine::kNothingDrawnWords));
    }
    applyDescriptions(window, kMainDescriptions);
    applyPairs(window, kMainPairs);
    for (const Pair& p : kMainPairs) {
        auto* caption = qobject_cast<QLabel*>(control(window, p.caption));
        QWidget* box = control(window, p.control);
        if (caption && box)
            box->setAccessibleName(caption->text());
    }
}

void describeResultsWindow(QWidget& window) {
    applyDescriptions(window, kResultsDescriptions);
    applyPairs(window, kResultsPairs);
}

} // namespace ui
