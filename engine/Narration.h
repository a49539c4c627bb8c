#pragma once

// What the trainer says to a pupil who listens instead of looking: the example
// in words, the worked solution as far as it is drawn, the verdict of a step
// and the summary of the run. Russian sentences with no punctuation but commas
// and full stops, so that a screen reader speaks numbers and words, never the
// names of signs.

#include <array>
#include <string>
#include <string_view>

#include "engine/MainControls.h"
#include "engine/TrainerState.h"

namespace engine {

// The drawing surface's name for assistive technology.
inline constexpr const char* kDrawingName = "Рисунок примера";

// What the surface shows before the first example is drawn.
inline constexpr const char* kNothingDrawnWords =
    "Пример ещё не показан. Чтобы начать, нажмите клавишу Escape.";

// The name of step k as the pupil hears it ("наименьший общий знаменатель").
// REQUIRES: 1 <= step <= 8.
std::string_view stepName(int step);

// `n` as a Russian cardinal, feminine when `feminine` ("одна", "две"); a
// number outside -999..999 as its digits.
std::string numberWords(int n, bool feminine = false);

// A common fraction as it is read aloud: "две третьих", "одна девятая",
// "двадцать одна шестидесятая". A denominator outside 1..199 or a numerator
// outside -999..999 is read as "n, делённое на d".
std::string fractionWords(int numerator, int denominator);

// The example on screen: its number and its two fractions with the sign.
// REQUIRES: an example is loaded.
std::string exampleWords(const TrainerState& state);

// The example with its worked solution as far as it is drawn: the example and
// the part of each step judged so far (stepAnswered), which is what a step
// draws when it is judged. REQUIRES: an example is loaded.
std::string drawingWords(const TrainerState& state);

// The verdict of step k: the number that was read and whether it is right.
std::string verdictWords(int step, double read, bool right);

// Said when a step that was judged is confirmed again: its box is emptied.
std::string judgedAlreadyWords(int step);

// Said when a step of the last example is confirmed after that example was
// settled without it: it is not judged, its box is emptied.
std::string closedStepWords(int step);

// The summary of the run: examples solved, the error total and the errors of
// each of the eight steps (element 0 unused).
std::string resultsWords(int solved, int totalErrors,
                         const std::array<int, kSteps + 1>& stepErrors);

// Says `words` through the main window, and, where the keyboard focus rests
// on a step's "Да", says so after them: a press of that button leaves the
// focus where it was, and a screen reader says nothing of a focus that did
// not move.
void say(MainControls& controls, std::string words);

// The program's own voice, for a pupil who has no screen reader: the
// sentences that say it was turned on or off, and what is said instead where
// the system has no Russian voice to speak with (also for the teacher, who
// can install one).
inline constexpr const char* kVoiceOnWords = "Голос программы включён.";
inline constexpr const char* kVoiceOffWords = "Голос программы выключен.";
inline constexpr const char* kNoVoiceWords =
    "Голос программы недоступен: на этом компьютере нет русского голоса. "
    "Учитель может установить его, как сказано в описании программы.";
// Said aloud as "Выход" ends the work, where the voice is on.
inline constexpr const char* kExitWords = "Работа закончена.";

// The words of a face that runs inside another program, a browser today:
// what it says where that program cannot run the trainer, what it says once
// "Выход" has ended the work and the face stays open, and the captions of the
// buttons it draws itself where no window system gives them. They are the
// trainer's like every word a pupil reads or hears, so that any such face
// says them alike.
inline constexpr const char* kNeedsScriptWords =
    "Тренажёру нужен JavaScript: включите его в настройках браузера и откройте страницу снова.";
inline constexpr const char* kNeedsWebAssemblyWords =
    "Тренажёру нужен браузер с поддержкой WebAssembly: откройте страницу в более новом браузере.";
inline constexpr const char* kWorkEndedWords =
    "Работа закончена, все ответы и ошибки стёрты; чтобы начать сначала, нажмите «Начать заново».";
inline constexpr const char* kBeginAgainCaption = "Начать заново";
inline constexpr const char* kCloseCaption = "Закрыть";
inline constexpr const char* kOkCaption = "OK";
// The switch of the program's own voice, beside the main window, shown with
// the key that does the same (F3).
inline constexpr const char* kVoiceButtonCaption = "Голос";
// The trainer's name under its icon where a page installed as an app has
// little room.
inline constexpr const char* kShortName = "Дроби";
// What a search engine or a shared link shows of the page.
inline constexpr const char* kPageDescription =
    "Тренажёр для учеников: сложение и вычитание двух обыкновенных дробей с разными "
    "знаменателями, 21 пример, каждый за восемь шагов. Работает без интернета и ничего не сохраняет.";

// Said when the results are asked for before the first start.
inline constexpr const char* kNoResultsWords = "Итогов пока нет, работа ещё не начата.";

} // namespace engine
