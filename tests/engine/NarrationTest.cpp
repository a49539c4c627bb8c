// The words a pupil who listens hears: fractions read aloud, the example and
// its worked solution as far as it is drawn, verdicts and the summary.
#include <gtest/gtest.h>

#include "Fakes.h"
#include "engine/Narration.h"

namespace {

TEST(Narration, NumbersAndFractionsReadAsRussianSpeaksThem) {
    struct Row {
        int numerator, denominator;
        const char* words;
    };
    const Row rows[] = {
        {2, 3, "две третьих"},
        {1, 9, "одна девятая"},
        {11, 12, "одиннадцать двенадцатых"},
        {12, 14, "двенадцать четырнадцатых"},
        {21, 60, "двадцать одна шестидесятая"},
        {22, 45, "двадцать две сорок пятых"},
        {5, 42, "пять сорок вторых"},
        {33, 40, "тридцать три сороковых"},
        {111, 121, "сто одиннадцать сто двадцать первых"},
        {1, 100, "одна сотая"},
        {0, 9, "ноль девятых"},
        {-1, 6, "минус одна шестая"},
        {1, 200, "1, делённое на 200"},
        {1000, 7, "1000, делённое на 7"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(engine::fractionWords(r.numerator, r.denominator), r.words)
            << r.numerator << "/" << r.denominator;
    EXPECT_EQ(engine::numberWords(1), "один");
    EXPECT_EQ(engine::numberWords(2, true), "две");
    EXPECT_EQ(engine::numberWords(999), "девятьсот девяносто девять");
    EXPECT_EQ(engine::numberWords(-1000), "-1000");
}

TEST(Narration, TheTrainerSaysTheExampleTheVerdictsAndTheDrawing) {
    fakes::Rig rig; // id 16 first: 2/15 + 5/12 = 8/60 + 25/60 = 33/60
    rig.start();
    const std::string example = "Пример 1 из 21, две пятнадцатых плюс пять двенадцатых.";
    EXPECT_EQ(rig.controls.said, std::vector<std::string>{example});
    EXPECT_EQ(rig.surface.description, example);

    rig.answer(4, "8");
    EXPECT_EQ(rig.controls.said.back(), "Шаг 4, ответ 8, верно.");
    EXPECT_EQ(rig.surface.description,
              example + " Новые дроби, числитель 8, знаменатель не записан, плюс, пока пусто.");
    rig.answer(4, "8");
    EXPECT_EQ(rig.controls.said.back(), "Шаг 4 уже проверен, поле очищено.");

    rig.answer(1, "-6.5");
    EXPECT_EQ(rig.controls.said.back(), "Шаг 1, ответ минус 6.5, ошибка.");
    rig.answer(7, "60");
    EXPECT_EQ(rig.surface.description,
              example + " Новые дроби, восемь шестидесятых, плюс, знаменатель 60, числитель не "
                        "записан. Результат, знаменатель 60, числитель не записан.");
    for (int k : {2, 3, 5, 6})
        rig.answer(k, "0");
    EXPECT_EQ(rig.surface.description,
              example + " Дополнительный множитель к первой дроби 4. Дополнительный множитель ко "
                        "второй дроби 5. Новые дроби, восемь шестидесятых плюс двадцать пять "
                        "шестидесятых. Результат, тридцать три шестидесятых.");

    rig.trainer.pressNext(); // id 3: 1/2 - 1/3
    const std::string next = "Пример 2 из 21, одна вторая минус одна третья.";
    EXPECT_EQ(rig.controls.said.back(), next);
    EXPECT_EQ(rig.surface.description, next);
}

TEST(Narration, F2RepeatsTheDrawingAndAFocusLeftOnDaIsSaid) {
    fakes::Rig rig;
    rig.trainer.repeatExample();
    EXPECT_EQ(rig.controls.said, std::vector<std::string>{engine::kNothingDrawnWords});
    rig.controls.focused = "Command2"; // Space on step 2's "Да" leaves the focus there
    rig.start();
    EXPECT_EQ(rig.controls.said.back(),
              "Пример 1 из 21, две пятнадцатых плюс пять двенадцатых. Фокус на кнопке Да шага 2.");
    rig.answer(2, "4");
    EXPECT_EQ(rig.controls.said.back(), "Шаг 2, ответ 4, верно. Фокус на кнопке Да шага 2.");
    rig.trainer.repeatExample(); // only repeats: the pupil has not moved
    EXPECT_EQ(rig.controls.said.back(), rig.surface.description);
    rig.controls.focused = "t3";
    rig.answer(2, "4");
    EXPECT_EQ(rig.controls.said.back(), "Шаг 2 уже проверен, поле очищено.");
}

TEST(Narration, TheResultsAreSaidOnceWritten) {
    fakes::Rig rig;
    fakes::FakeResults& view = rig.results;
    rig.trainer.pressResults();
    EXPECT_EQ(view.said, std::vector<std::string>{engine::kNoResultsWords});
    rig.start();
    rig.answer(1, "1");
    rig.trainer.pressResults();
    EXPECT_EQ(view.said.back(),
              "Решено примеров 0. Допущено ошибок 1. Из них, наименьший общий знаменатель 1, "
              "дополнительный множитель к первой дроби 0, дополнительный множитель ко второй "
              "дроби 0, новый числитель первой дроби 0, новый числитель второй дроби 0, "
              "числитель результата 0, знаменатель результата 0, сократимость дроби 0.");
}

} // namespace
