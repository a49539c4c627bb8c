#!/usr/bin/env python3
"""A pupil who only listens: reads a screen reader's transcript on standard
input, finds the last example it heard ("Пример 3 из 21, две третьих плюс одна
девятая."), and prints the right answer of the step given as the argument.

    listening-pupil.py STEP [wrong]

With "wrong", prints an answer one too large. Used with orca-transcript's
"answer" action to work an example by ear.
"""
import math
import re
import sys

CARDINALS = {
    "ноль": 0, "один": 1, "одна": 1, "два": 2, "две": 2, "три": 3, "четыре": 4,
    "пять": 5, "шесть": 6, "семь": 7, "восемь": 8, "девять": 9, "десять": 10,
    "одиннадцать": 11, "двенадцать": 12, "тринадцать": 13, "четырнадцать": 14,
    "пятнадцать": 15, "шестнадцать": 16, "семнадцать": 17, "восемнадцать": 18,
    "девятнадцать": 19, "двадцать": 20, "тридцать": 30, "сорок": 40,
    "пятьдесят": 50, "шестьдесят": 60, "семьдесят": 70, "восемьдесят": 80,
    "девяносто": 90, "сто": 100,
}
ORDINAL_STEMS = {
    "перв": 1, "втор": 2, "трет": 3, "четвёрт": 4, "пят": 5, "шест": 6, "седьм": 7,
    "восьм": 8, "девят": 9, "десят": 10, "одиннадцат": 11, "двенадцат": 12,
    "тринадцат": 13, "четырнадцат": 14, "пятнадцат": 15, "шестнадцат": 16,
    "семнадцат": 17, "восемнадцат": 18, "девятнадцат": 19, "двадцат": 20,
    "тридцат": 30, "сороков": 40, "пятидесят": 50, "шестидесят": 60,
    "семидесят": 70, "восьмидесят": 80, "девяност": 90, "сот": 100,
}


def ordinal(word):
    for ending in ("ая", "ья", "ых", "ьих"):
        if word.endswith(ending) and word[: -len(ending)] in ORDINAL_STEMS:
            return ORDINAL_STEMS[word[: -len(ending)]]
    return None


def fraction(words):
    """'двадцать одна шестидесятая' -> (21, 60)"""
    numerator, denominator, seen_ordinal = 0, 0, False
    tokens = words.split()
    # The denominator is the ordinal with the cardinals just before it that
    # the numerator cannot take (a numerator has at most one tens word).
    for i, token in enumerate(tokens):
        if ordinal(token) is not None:
            denominator = ordinal(token)
            head = tokens[:i]
            # "сорок пятых": tens belong to the denominator when the numerator
            # already has its own words before them.
            while len(head) > 1 and CARDINALS.get(head[-1], 0) >= 20:
                denominator += CARDINALS[head.pop()]
            numerator = sum(CARDINALS[t] for t in head)
            seen_ordinal = True
            break
    if not seen_ordinal:
        raise ValueError("no fraction in: " + words)
    return numerator, denominator


def main():
    step = int(sys.argv[1])
    wrong = len(sys.argv) > 2 and sys.argv[2] == "wrong"
    heard = sys.stdin.read()
    found = re.findall(r"Пример \d+ из 21, (.+?) (плюс|минус) (.+?)\.", heard)
    if not found:
        sys.exit("no example heard yet")
    first, sign, second = found[-1]
    n1, d1 = fraction(first)
    n2, d2 = fraction(second)
    common = d1 * d2 // math.gcd(d1, d2)
    m1, m2 = common // d1, common // d2
    new1, new2 = n1 * m1, n2 * m2
    result = new1 + new2 if sign == "плюс" else new1 - new2
    answers = {1: common, 2: m1, 3: m2, 4: new1, 5: new2, 6: result, 7: common}
    print(answers[step] + (1 if wrong else 0))


if __name__ == "__main__":
    main()
