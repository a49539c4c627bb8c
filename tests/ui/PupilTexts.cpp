#include "PupilTexts.h"

#include <cmath>
#include <iterator>

#include "WindowTestSupport.h"

namespace pupil {

using testing_support::qs;

QString PupilTexts::wrong() {
    // clang-format off
    static const char* const kFixed[] = {
        "", " ", "   ", "\t", "0", "-0", "007", "12", "-3", "1.5", ".5", "5.", "1,5",
        "99999999999999999999999", "1e308", "1E400", "-1d-400", "1.5E+2", "3D2", "2e", "e5",
        "&HFF", "&h7fffffffffffffff", "&HFFFFFFFFFFFFFFFFFF", "&O17", "&", "&X1", "0x1A",
        "пять", "Ё", "1а2", "ДваЕ3", "!@#$%^&*()", "½", "😀", "--5", "+-1", "1 2 3", "NaN",
        "inf", "-", "+", ".", "1e-400", "4.9E-324", "1.7976931348623157E+308",
    };
    // clang-format on
    switch (pick(4)) {
    case 0:
        return qs(kFixed[pick(std::size(kFixed))]);
    case 1: // digits, a sign, a point or an exponent in random places
        return randomText("0123456789+-.eEdD &H", 1 + pick(24));
    case 2: // anything printable, Cyrillic included
        return randomText("абвгдеёжзийклмнопрстуфхцчшщъыьэюяАБВЕЁЖЯ0123456789 .,;:!?-+*/()[]\"'&",
                          1 + pick(16));
    default: // very long texts
        return pick(2) ? QString(static_cast<qsizetype>(500 + pick(4000)), QChar(u'9'))
                       : randomText("0123456789 .eE-", 200 + pick(3000));
    }
}

QString PupilTexts::right(double value) {
    const QString plain = QString::number(value, 'g', 15);
    switch (pick(7)) {
    case 0:
        return spaced(plain);
    case 1:
        return QString::number(value / 10, 'g', 15) + "E1";
    case 2:
        return QString::number(value * 100, 'g', 15) + "d-2";
    case 3:
        return "+" + plain;
    case 4:
        return plain + qs("abc ёж");
    case 5:
        if (value >= 0 && value == std::floor(value) && value < 1e15)
            return "&H" + QString::number(static_cast<qlonglong>(value), 16).toUpper();
        return plain;
    default:
        return plain;
    }
}

std::size_t PupilTexts::pick(std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
}

QString PupilTexts::randomText(const char* alphabet, std::size_t length) {
    const QString letters = qs(alphabet);
    QString text;
    for (std::size_t i = 0; i < length; ++i)
        text += letters.at(static_cast<qsizetype>(pick(static_cast<std::size_t>(letters.size()))));
    return text;
}

QString PupilTexts::spaced(const QString& text) {
    QString out;
    for (QChar c : text) {
        out += c;
        if (pick(2))
            out += ' ';
    }
    return " " + out;
}

} // namespace pupil
