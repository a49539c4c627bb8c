#include "ui/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>

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

// The drawing surface is a picture to a screen reader, not a bare panel.
QAccessibleInterface* surfaceInterface(const QString&, QObject* object) {
    if (auto* canvas = dynamic_cast<DrawingCanvas*>(object))
        return new QAccessibleWidget(canvas, QAccessible::Graphic);
    return nullptr;
}

// What the trainer prints where, in twips (engine/ExerciseDrawing.cpp and
// engine/StepChecks.cpp): the example, the multipliers above the given
// fractions, the two new fractions over the common denominator, the result.
// clang-format off
enum class Part : int {
    Numerator1, Denominator1, Sign, Numerator2, Denominator2, Equals,
    NewSign, NewNumerator1, NewDenominator1, NewNumerator2, NewDenominator2,
    Multiplier1, Multiplier2, ResultEquals, ResultNumerator, ResultDenominator,
};
constexpr std::size_t kParts = 16;

struct Place {
    int x, y;
    Part part;
};

constexpr std::array<Place, kParts> kPlaces = {{
    {3100, 900, Part::Numerator1}, {3100, 1300, Part::Denominator1}, {3800, 1110, Part::Sign},
    {4100, 900, Part::Numerator2}, {4100, 1300, Part::Denominator2}, {4800, 1110, Part::Equals},
    {5850, 1110, Part::NewSign},
    {5120, 900, Part::NewNumerator1}, {5120, 1300, Part::NewDenominator1},
    {6120, 900, Part::NewNumerator2}, {6120, 1300, Part::NewDenominator2},
    {3600, 600, Part::Multiplier1}, {4600, 600, Part::Multiplier2},
    {6900, 1110, Part::ResultEquals}, {7120, 900, Part::ResultNumerator}, {7120, 1300, Part::ResultDenominator},
}};
// clang-format on

std::optional<Part> partAt(int x, int y) {
    for (const Place& place : kPlaces) {
        if (place.x == x && place.y == y)
            return place.part;
    }
    return std::nullopt;
}

QString signWord(const QString& sign) {
    if (sign == u"+")
        return QStringLiteral("плюс");
    if (sign == u"-")
        return QStringLiteral("минус");
    if (sign == u"=")
        return QStringLiteral("равно");
    return sign;
}

class DrawingWords {
public:
    explicit DrawingWords(std::span<const DrawingCanvas::PrintedItem> items) {
        for (const DrawingCanvas::PrintedItem& item : items) {
            const QString text = QString::fromStdString(item.text).trimmed();
            if (const std::optional<Part> part = partAt(item.x, item.y))
                shown_[static_cast<std::size_t>(*part)] = text;
            else
                others_ << text;
        }
    }

    QString sentences() const {
        QStringList out;
        if (anyOf({Part::Numerator1, Part::Denominator1, Part::Sign, Part::Numerator2,
                   Part::Denominator2}))
            out << QStringLiteral("Пример: первая дробь — %1; %2; вторая дробь — %3.")
                       .arg(fraction(Part::Numerator1, Part::Denominator1), sign(Part::Sign),
                            fraction(Part::Numerator2, Part::Denominator2));
        if (has(Part::Multiplier1))
            out << QStringLiteral("Дополнительный множитель к 1 дроби: %1.")
                       .arg(value(Part::Multiplier1));
        if (has(Part::Multiplier2))
            out << QStringLiteral("Дополнительный множитель ко 2 дроби: %1.")
                       .arg(value(Part::Multiplier2));
        if (anyOf({Part::Equals, Part::NewSign, Part::NewNumerator1, Part::NewDenominator1,
                   Part::NewNumerator2, Part::NewDenominator2}))
            out << afterEquals(
                Part::Equals,
                QStringLiteral("первая новая дробь — %1; %2; вторая новая дробь — %3.")
                    .arg(fraction(Part::NewNumerator1, Part::NewDenominator1), sign(Part::NewSign),
                         fraction(Part::NewNumerator2, Part::NewDenominator2)));
        if (anyOf({Part::ResultEquals, Part::ResultNumerator, Part::ResultDenominator}))
            out << afterEquals(Part::ResultEquals,
                               QStringLiteral("результат — %1.")
                                   .arg(fraction(Part::ResultNumerator, Part::ResultDenominator)));
        if (!others_.isEmpty())
            out << QStringLiteral("Ещё на рисунке: %1.").arg(others_.join(QStringLiteral(", ")));
        return out.join(u' ');
    }

private:
    bool has(Part part) const { return shown_[static_cast<std::size_t>(part)].has_value(); }

    bool anyOf(std::initializer_list<Part> parts) const {
        return std::any_of(parts.begin(), parts.end(), [this](Part p) { return has(p); });
    }

    QString value(Part part) const {
        return has(part) ? *shown_[static_cast<std::size_t>(part)] : QStringLiteral("не заполнен");
    }

    QString fraction(Part numerator, Part denominator) const {
        return QStringLiteral("числитель %1, знаменатель %2")
            .arg(value(numerator), value(denominator));
    }

    QString sign(Part part) const {
        return has(part) ? signWord(value(part)) : QStringLiteral("знак не показан");
    }

    // A part of the solution that follows an equals sign, as a sentence of
    // its own: "Равно: ..." once that sign is drawn.
    QString afterEquals(Part equalsSign, QString sentence) const {
        if (has(equalsSign))
            return QStringLiteral("Равно: ") + sentence;
        sentence[0] = sentence[0].toUpper();
        return sentence;
    }

    std::array<std::optional<QString>, kParts> shown_;
    QStringList others_;
};

} // namespace

QString describeDrawing(std::span<const DrawingCanvas::PrintedItem> items) {
    if (items.empty())
        return QStringLiteral("Пример ещё не нарисован.");
    return DrawingWords(items).sentences();
}

void describeMainWindow(QWidget& window) {
    // Before the surface says anything: Qt keeps the first interface it made
    // for a widget, and an accessible description asks for one.
    static const bool factoryInstalled = (QAccessible::installFactory(surfaceInterface), true);
    (void)factoryInstalled;
    if (auto* surface = dynamic_cast<DrawingCanvas*>(control(window, "surface"))) {
        surface->setAccessibleName(QString::fromUtf8(kSurfaceName));
        surface->setAccessibleDescription(describeDrawing(surface->printedItems()));
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
