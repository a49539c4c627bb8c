#pragma once

// One session of the random pupil: a fresh program, driven by the shared
// random source with clicks, typing and keys on the real windows, and checked
// after every action for what a pupil can see must hold. A broken rule is
// reported with the seed, the session and the last actions, to replay it.

#include <QString>
#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <random>
#include <string>

#include "PupilTexts.h"
#include "WindowTestSupport.h"
#include "WindowWatch.h"
#include "engine/TrainerState.h"

class QLabel;
class QRadioButton;

namespace pupil {

class PupilSession {
public:
    // A new program whose example orders, like every action, come from
    // `random` (which must outlive this); `seed` and `session` only name the
    // run in failure reports.
    PupilSession(std::mt19937_64& random, std::uint64_t seed, int session);
    ~PupilSession();
    PupilSession(const PupilSession&) = delete;
    PupilSession& operator=(const PupilSession&) = delete;

    // Runs `count` actions, numbered from `firstIndex`; false after the first
    // broken rule, which it reports.
    bool run(int count, int firstIndex);

    // What the session went through, to check the test's own reach.
    int messages() const { return watch_.lastExampleMessages; }
    int paints() const { return watch_.paints; }
    bool reachedTheEnd() const { return settled_; }
    int resultsShown() const { return resultsShown_; }
    int rightVerdicts() const { return rightVerdicts_; }
    int wrongVerdicts() const { return wrongVerdicts_; }

private:
    enum class Action {
        ClickStart,
        PressEsc,
        TypeText,
        ClickConfirm,
        PressEnter,
        ClickOption,
        ClickNext,
        ClickResults,
        CloseResults,
    };

    struct Snapshot {
        std::array<QString, 26> captions;
        std::array<int, engine::kSteps + 1> stepErrors;
        int messages;
    };

    ui::MainWindow& window() { return shown_.window(); }
    const engine::TrainerState& state() const { return shown_.state(); }
    QString caption(int n) const;
    std::size_t pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }
    int pickStep() { return 1 + static_cast<int>(pick(7)); }

    Action chooseAction();
    void log(std::string what);
    void act();
    void noteConfirm(int k);
    void pressEsc();
    void typeText(int k);
    Snapshot snapshot() const;
    bool fail(const std::string& what);
    static std::optional<int> number(const QString& text);
    bool checkAfterAction();
    bool checkScreenIsFresh();
    bool checkSteps(const Snapshot& now, int example);
    bool checkCounters(const Snapshot& now);
    bool checkResultsWindow(const Snapshot& now, bool started);

    std::mt19937_64& random_;
    PupilTexts texts_;
    std::uint64_t seed_;
    int session_;
    int index_ = 0;
    testing_support::SeededSource order_; // the example order, from the seed too
    testing_support::ShownApp shown_;
    WindowWatch watch_;
    std::array<QLabel*, 26> labels_{};
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    bool expectedOption2_ = false;

    Snapshot before_{};
    bool pressedNext_ = false;
    bool refreshed_ = false;
    bool mayDraw_ = false;
    int confirmedStep_ = 0;
    std::array<QString, 8> rightText_{};    // by step: the right value as typed
    std::array<QString, 8> rightExample_{}; // by step: the example it was typed for
    bool confirmedRight_ = false;
    std::array<int, engine::kSteps + 1> atExampleStart_{};
    bool settled_ = false;
    int solved_ = 0;
    int resultsShown_ = 0;
    int rightVerdicts_ = 0;
    int wrongVerdicts_ = 0;
    std::deque<std::string> recent_;
};

} // namespace pupil
