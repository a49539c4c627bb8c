#pragma once

// Recording stand-ins for the window, the drawing surface, the results window
// and the random source, so that every rule can be checked exactly.

#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "engine/DrawingSurface.h"
#include "engine/MainControls.h"
#include "engine/NumberText.h"
#include "engine/ResultsView.h"
#include "engine/StepChecks.h"
#include "engine/Trainer.h"
#include "engine/UniformSource.h"
#include "WorkedAnswers.h"

namespace fakes {

// Records each operation as one line: "font 20", "point 3100 900",
// "text +", "text  2" (a number as the engine writes it), "line 3100 1330
// 3650 1330", "clear".
class RecordingSurface final : public engine::DrawingSurface {
public:
    void setFontSize(double points) override { add("font " + engine::captionText(points)); }
    void plotPoint(int x, int y) override {
        add("point " + std::to_string(x) + " " + std::to_string(y));
    }
    void printText(std::string_view text) override { add("text " + std::string(text)); }
    void drawLine(int x1, int y1, int x2, int y2) override {
        add("line " + std::to_string(x1) + " " + std::to_string(y1) + " " + std::to_string(x2) +
            " " + std::to_string(y2));
    }
    void clear() override { add("clear"); }
    void describe(std::string_view words) override { description = std::string(words); }

    std::vector<std::string> ops;
    std::string description; // the latest words, kept apart from the drawing

private:
    void add(std::string op) { ops.push_back(std::move(op)); }
};

class FakeControls final : public engine::MainControls {
public:
    void setLabelCaption(engine::MainLabel label, std::string_view text) override {
        captions[static_cast<int>(label)] = std::string(text);
        log.push_back("caption " + std::to_string(static_cast<int>(label)) + " " +
                      std::string(text));
    }
    std::string labelCaption(engine::MainLabel label) const override {
        auto it = captions.find(static_cast<int>(label));
        return it == captions.end() ? std::string() : it->second;
    }
    std::string answerText(int step) const override {
        auto it = boxes.find(step);
        return it == boxes.end() ? std::string() : it->second;
    }
    void setAnswerText(int step, std::string_view text) override {
        boxes[step] = std::string(text);
        log.push_back("box " + std::to_string(step) + " " + std::string(text));
    }
    bool isOption2Selected() const override { return option2; }
    void moveStartButton(int left, int top) override {
        log.push_back("move " + std::to_string(left) + " " + std::to_string(top));
    }
    std::string focusedControl() const override { return focused; }
    void showLastExampleMessage() override {
        ++messages;
        log.push_back("message");
    }
    void announce(std::string_view words) override { said.emplace_back(words); }

    std::string caption(int label) const {
        return labelCaption(static_cast<engine::MainLabel>(label));
    }

    std::map<int, std::string> captions;
    std::map<int, std::string> boxes;
    bool option2 = false;
    std::string focused; // the control that has the keyboard focus
    int messages = 0;
    std::vector<std::string> log;
    std::vector<std::string> said; // kept apart from the log
};

class FakeResults final : public engine::ResultsView {
public:
    void open() override { ++opens; }
    void setValue(engine::ResultLabel label, std::string_view text) override {
        values[static_cast<int>(label)] = std::string(text);
        order.push_back(static_cast<int>(label));
    }
    void announce(std::string_view words) override { said.emplace_back(words); }
    void close() override { ++closes; }
    int opens = 0;
    int closes = 0;
    std::vector<std::string> said;
    std::map<int, std::string> values;
    std::vector<int> order;
};

// Yields the scripted values in turn, then repeats them; counts the draws.
class ScriptedSource final : public engine::UniformSource {
public:
    explicit ScriptedSource(std::vector<double> values) : values_(std::move(values)) {}
    double next() override {
        ++draws;
        return values_[(draws - 1) % values_.size()];
    }
    std::size_t draws = 0;

private:
    std::vector<double> values_;
};

// A source that replays from its seed, whatever the clock says.
class SeededSource final : public engine::UniformSource {
public:
    explicit SeededSource(std::uint64_t seed) : generator_(seed) {}
    double next() override { return std::uniform_real_distribution<double>(0, 1)(generator_); }

private:
    std::mt19937_64 generator_;
};

// The value in [0, 1) that the shuffle turns into `id`.
inline double valueFor(int id) {
    return (id - 1 + 0.5) / 21.0;
}

// A source whose shuffle yields exactly `order` (ids 1..21, no repeats).
inline ScriptedSource sourceFor(const std::vector<int>& order) {
    std::vector<double> values;
    for (int id : order)
        values.push_back(valueFor(id));
    return ScriptedSource(values);
}

// A state whose first and current example is `id`.
inline engine::TrainerState loaded(int id) {
    engine::TrainerState state;
    state.exampleOrder[1] = id;
    state.exampleNumber = 1;
    engine::loadCurrentExample(state);
    return state;
}

// A trainer on recording fakes, started on a known order.
struct Rig {
    explicit Rig(std::vector<int> order = {16, 3,  4,  2,  21, 1,  5,  6,  7,  8, 9,
                                           10, 11, 12, 13, 14, 15, 17, 18, 19, 20})
        : source(sourceFor(order)), trainer(controls, surface, results, source) {}

    void start() { trainer.pressStart(); }
    void answer(int step, const std::string& text) {
        controls.boxes[step] = text;
        trainer.pressConfirm(step);
    }
    // Answers steps 1..7 of the example on screen right.
    void answerAllRight() {
        for (int k = 1; k <= 7; ++k)
            answer(k, std::to_string(workedAnswer(state(), k)));
    }
    const engine::TrainerState& state() const { return trainer.state(); }

    FakeControls controls;
    RecordingSurface surface;
    FakeResults results;
    ScriptedSource source;
    engine::Trainer trainer;
};

} // namespace fakes
