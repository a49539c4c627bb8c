#include "engine/Narration.h"

#include <cstdlib>
#include <optional>

#include "engine/Catalogue.h"
#include "engine/NumberText.h"
#include "engine/Steps.h"

namespace engine {
namespace {

// clang-format off
constexpr std::array<std::string_view, 20> kUnits = {
    "ноль", "один", "два", "три", "четыре", "пять", "шесть", "семь", "восемь", "девять",
    "десять", "одиннадцать", "двенадцать", "тринадцать", "четырнадцать", "пятнадцать",
    "шестнадцать", "семнадцать", "восемнадцать", "девятнадцать",
};
constexpr std::array<std::string_view, 10> kTens = {
    "", "", "двадцать", "тридцать", "сорок", "пятьдесят", "шестьдесят", "семьдесят",
    "восемьдесят", "девяносто",
};
constexpr std::array<std::string_view, 10> kHundreds = {
    "", "сто", "двести", "триста", "четыреста", "пятьсот", "шестьсот", "семьсот",
    "восемьсот", "девятьсот",
};

// An ordinal as a denominator is read: one part ("одна пятая") or many
// ("две пятых").
struct Ordinal {
    std::string_view one;
    std::string_view many;
};
constexpr std::array<Ordinal, 20> kUnitOrdinals = {{
    {"", ""}, {"первая", "первых"}, {"вторая", "вторых"}, {"третья", "третьих"},
    {"четвёртая", "четвёртых"}, {"пятая", "пятых"}, {"шестая", "шестых"},
    {"седьмая", "седьмых"}, {"восьмая", "восьмых"}, {"девятая", "девятых"},
    {"десятая", "десятых"}, {"одиннадцатая", "одиннадцатых"}, {"двенадцатая", "двенадцатых"},
    {"тринадцатая", "тринадцатых"}, {"четырнадцатая", "четырнадцатых"},
    {"пятнадцатая", "пятнадцатых"}, {"шестнадцатая", "шестнадцатых"},
    {"семнадцатая", "семнадцатых"}, {"восемнадцатая", "восемнадцатых"},
    {"девятнадцатая", "девятнадцатых"},
}};
constexpr std::array<Ordinal, 10> kTenOrdinals = {{
    {"", ""}, {"десятая", "десятых"}, {"двадцатая", "двадцатых"}, {"тридцатая", "тридцатых"},
    {"сороковая", "сороковых"}, {"пятидесятая", "пятидесятых"}, {"шестидесятая", "шестидесятых"},
    {"семидесятая", "семидесятых"}, {"восьмидесятая", "восьмидесятых"},
    {"девяностая", "девяностых"},
}};
// clang-format on

std::string join(std::string a, std::string_view b) {
    if (!a.empty() && !b.empty())
        a += ' ';
    a += b;
    return a;
}

// 1..99 as a cardinal; the last word feminine when asked.
std::string belowHundred(int n, bool feminine) {
    const int tens = n / 10;
    const int unit = n % 10;
    std::string_view last;
    if (n < 20)
        last = kUnits[static_cast<std::size_t>(n)];
    else if (unit != 0)
        last = kUnits[static_cast<std::size_t>(unit)];
    if (feminine && (n < 10 || n >= 20) && (unit == 1 || unit == 2))
        last = unit == 1 ? "одна" : "две";
    if (n < 20)
        return std::string(last);
    return join(std::string(kTens[static_cast<std::size_t>(tens)]), last);
}

// The ordinal of d in 1..199, in the form `many` or one.
std::string ordinalWords(int d, bool many) {
    const auto pick = [many](const Ordinal& o) { return many ? o.many : o.one; };
    if (d == 100)
        return many ? "сотых" : "сотая";
    if (d > 100)
        return join("сто", ordinalWords(d - 100, many));
    if (d < 20)
        return std::string(pick(kUnitOrdinals[static_cast<std::size_t>(d)]));
    const int unit = d % 10;
    if (unit == 0)
        return std::string(pick(kTenOrdinals[static_cast<std::size_t>(d / 10)]));
    return join(std::string(kTens[static_cast<std::size_t>(d / 10)]),
                pick(kUnitOrdinals[static_cast<std::size_t>(unit)]));
}

// A caption as it is spoken: "-5" as "минус 5", so that no reader names the
// hyphen.
std::string spokenCaption(double value) {
    std::string text = captionText(value);
    if (!text.empty() && text[0] == '-')
        text = "минус " + text.substr(1);
    return text;
}

// A fraction of the worked solution of which either part may still be empty.
std::string partWords(std::optional<int> numerator, std::optional<int> denominator) {
    if (numerator && denominator)
        return fractionWords(*numerator, *denominator);
    if (numerator)
        return "числитель " + std::to_string(*numerator) + ", знаменатель не записан";
    if (denominator)
        return "знаменатель " + std::to_string(*denominator) + ", числитель не записан";
    return "пока пусто";
}

// `words` with its first letter a capital, where it is a small Russian one:
// а..п and р..я are two runs of UTF-8, D0 B0.. and D1 80.. (ё stays as it is).
std::string capitalised(std::string_view words) {
    std::string text(words);
    const auto lead = text.size() > 1 ? static_cast<unsigned char>(text[0]) : 0;
    const auto next = text.size() > 1 ? static_cast<unsigned char>(text[1]) : 0;
    if (lead == 0xD0 && next >= 0xB0 && next <= 0xBF)
        text[1] = static_cast<char>(next - 0x20);
    else if (lead == 0xD1 && next >= 0x80 && next <= 0x8F)
        text.replace(0, 2, {'\xD0', static_cast<char>(next + 0x20)});
    return text;
}

std::string signWords(int id) {
    return isSubtraction(id) ? "минус" : "плюс";
}

} // namespace

std::string_view stepName(int k) {
    return step(k).spokenName;
}

std::string numberWords(int n, bool feminine) {
    if (n < -999 || n > 999)
        return std::to_string(n);
    if (n < 0)
        return "минус " + numberWords(-n, feminine);
    if (n == 0)
        return std::string(kUnits[0]);
    const int rest = n % 100;
    return join(std::string(kHundreds[static_cast<std::size_t>(n / 100)]),
                rest ? belowHundred(rest, feminine) : std::string());
}

std::string fractionWords(int numerator, int denominator) {
    if (denominator < 1 || denominator > 199 || numerator < -999 || numerator > 999)
        return std::to_string(numerator) + ", делённое на " + std::to_string(denominator);
    const int last = std::abs(numerator) % 100;
    const bool one = last % 10 == 1 && last != 11;
    return numberWords(numerator, true) + " " + ordinalWords(denominator, !one);
}

std::string exampleWords(const TrainerState& state) {
    return "Пример " + std::to_string(state.exampleNumber) + " из " +
           std::to_string(kExampleCount) + ", " +
           fractionWords(state.numerator1, state.denominator1) + " " + signWords(state.exampleId) +
           " " + fractionWords(state.numerator2, state.denominator2) + ".";
}

std::string drawingWords(const TrainerState& state) {
    const DrawnParts parts = drawnParts(state);
    const auto drawn = [&parts](Part p) { return parts[static_cast<std::size_t>(p)].has_value(); };
    const auto shown = [&parts](Part p) -> std::optional<int> {
        if (const auto& value = parts[static_cast<std::size_t>(p)])
            return static_cast<int>(*value);
        return std::nullopt;
    };
    std::string words = exampleWords(state);
    // A multiplier is read with the name of the step that writes it.
    for (const Part part : {Part::Multiplier1, Part::Multiplier2}) {
        if (drawn(part))
            words += " " + capitalised(stepName(drawingStep(part))) + " " +
                     captionText(*parts[static_cast<std::size_t>(part)]) + ".";
    }
    if (drawn(Part::NewNumerator1) || drawn(Part::NewDenominator1) || drawn(Part::NewNumerator2) ||
        drawn(Part::NewDenominator2)) {
        const std::string first =
            partWords(shown(Part::NewNumerator1), shown(Part::NewDenominator1));
        const std::string second =
            partWords(shown(Part::NewNumerator2), shown(Part::NewDenominator2));
        const bool whole = drawn(Part::NewNumerator1) && drawn(Part::NewDenominator1) &&
                           drawn(Part::NewNumerator2) && drawn(Part::NewDenominator2);
        const std::string sign = signWords(state.exampleId);
        words += " Новые дроби, " + first + (whole ? " " + sign + " " : ", " + sign + ", ") +
                 second + ".";
    }
    if (drawn(Part::ResultBar) || drawn(Part::ResultNumerator) || drawn(Part::ResultDenominator))
        words += " Результат, " +
                 partWords(shown(Part::ResultNumerator), shown(Part::ResultDenominator)) + ".";
    return words;
}

std::string verdictWords(int step, double read, bool right) {
    return "Шаг " + std::to_string(step) + ", ответ " + spokenCaption(read) + ", " +
           (right ? "верно." : "ошибка.");
}

std::string judgedAlreadyWords(int step) {
    return "Шаг " + std::to_string(step) + " уже проверен, поле очищено.";
}

std::string closedStepWords(int step) {
    return "Последний пример завершён, шаг " + std::to_string(step) +
           " больше не проверяется, поле очищено.";
}

void say(MainControls& controls, std::string words) {
    const std::string focused = controls.focusedControl();
    for (const Step& s : kStepTable) {
        if (s.controls.confirmButton && focused == s.controls.confirmButton)
            words += " Фокус на кнопке Да шага " + std::to_string(s.number) + ".";
    }
    controls.announce(words);
}

std::string resultsWords(int solved, int totalErrors,
                         const std::array<int, kSteps + 1>& stepErrors) {
    std::string words = "Решено примеров " + std::to_string(solved) + ". Допущено ошибок " +
                        std::to_string(totalErrors) + ". Из них";
    for (int k = 1; k <= kSteps; ++k) {
        words += ", ";
        words += stepName(k);
        words += " " + std::to_string(stepErrors[static_cast<std::size_t>(k)]);
    }
    return words + ".";
}

} // namespace engine
