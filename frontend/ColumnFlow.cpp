#include "frontend/ColumnFlow.h"

#include <algorithm>
#include <array>
#include <map>
#include <string_view>

#include "engine/Steps.h"
#include "frontend/Layout.h"

namespace frontend {
namespace {

bool isCaption(const WindowLayout& window, const ControlLayout& control) {
    return std::any_of(window.controls.begin(), window.controls.end(), [&](const auto& c) {
        return c.labelledBy && std::string_view(c.labelledBy) == control.name;
    });
}

// A step's own controls in their columns, 1 to 4; nullptr for none.
std::array<const char*, 4> stepRow(const engine::Step& step) {
    const engine::StepControls& c = step.controls;
    return {c.answerBox, c.confirmButton, c.echoLabel, c.verdictLabel};
}

} // namespace

ControlRole roleOf(const WindowLayout& window, const ControlLayout& control) {
    switch (control.kind) {
    case ControlKind::TextBox:
        return ControlRole::Box;
    case ControlKind::PushButton:
        return ControlRole::Button;
    case ControlKind::Frame:
        return ControlRole::Group;
    case ControlKind::OptionButton:
        return ControlRole::Choice;
    case ControlKind::Label:
        break;
    }
    if (control.labelledBy)
        return ControlRole::Value;
    return isCaption(window, control) ? ControlRole::Caption : ControlRole::Text;
}

std::vector<ColumnPlace> columnPlaces(const WindowLayout& window) {
    // Each step control's column, its caption's 0.
    std::map<std::string_view, int> inStep;
    for (const engine::Step& step : engine::kStepTable) {
        const ControlLayout* box =
            step.controls.answerBox ? findControl(window, step.controls.answerBox) : nullptr;
        if (!box)
            continue;
        if (box->labelledBy)
            inStep[box->labelledBy] = 0;
        const auto row = stepRow(step);
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (row[i])
                inStep[row[i]] = static_cast<int>(i) + 1;
        }
    }
    int firstStepTop = window.clientHeight;
    for (const ControlLayout& c : window.controls) {
        if (c.kind == ControlKind::TextBox)
            firstStepTop = std::min(firstStepTop, c.top);
    }
    std::vector<const ControlLayout*> rest;
    for (const ControlLayout& c : window.controls) {
        if (!c.container && !inStep.contains(c.name))
            rest.push_back(&c);
    }

    std::vector<ColumnPlace> places;
    int row = 2;
    // What is not a label stands across its row, above or below the steps.
    const auto across = [&](bool above) {
        for (const ControlLayout* c : rest) {
            if (c->kind != ControlKind::Label && (c->top < firstStepTop) == above)
                places.push_back({c, row++, 0});
        }
    };
    across(true);
    places.push_back({nullptr, row++, 0});
    int column = 0;
    for (const ControlLayout* c : rest) {
        if (c->kind == ControlKind::Label)
            places.push_back({c, row, ++column});
    }
    ++row;
    for (const engine::Step& step : engine::kStepTable) {
        const ControlLayout* box =
            step.controls.answerBox ? findControl(window, step.controls.answerBox) : nullptr;
        if (!box)
            continue;
        if (box->labelledBy)
            places.push_back({findControl(window, box->labelledBy), row++, 0});
        const auto names = stepRow(step);
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (names[i])
                places.push_back({findControl(window, names[i]), row, static_cast<int>(i) + 1});
        }
        ++row;
    }
    across(false);
    return places;
}

std::vector<const ControlLayout*> readingOrder(const WindowLayout& window) {
    // The labels that stand after a step's «Да», and those a box is named by.
    std::map<std::string_view, std::vector<const ControlLayout*>> after;
    for (const engine::Step& step : engine::kStepTable) {
        // Only a window with the step's «Да» holds the step's labels: the
        // results window has labels of the same names.
        const engine::StepControls& s = step.controls;
        if (!s.confirmButton || !findControl(window, s.confirmButton))
            continue;
        for (const char* name : {s.echoLabel, s.verdictLabel}) {
            if (const ControlLayout* label = name ? findControl(window, name) : nullptr)
                after[s.confirmButton].push_back(label);
        }
    }
    const auto chain = tabChain(window);
    const auto placed = [&](const ControlLayout& c) {
        for (const auto& [button, labels] : after) {
            if (std::find(labels.begin(), labels.end(), &c) != labels.end())
                return true;
        }
        return std::any_of(chain.begin(), chain.end(), [&](const ControlLayout* f) {
            return f->labelledBy && std::string_view(f->labelledBy) == c.name;
        });
    };

    std::vector<const ControlLayout*> order;
    const auto put = [&order](const ControlLayout* c) {
        if (c && std::find(order.begin(), order.end(), c) == order.end())
            order.push_back(c);
    };
    for (const ControlLayout& c : window.controls) {
        if (!c.container && c.kind == ControlKind::Label && !placed(c))
            put(&c);
    }
    for (const ControlLayout* c : chain) {
        const ControlLayout* own = c->container ? findControl(window, c->container) : c;
        if (own && own->labelledBy)
            put(findControl(window, own->labelledBy));
        put(own);
        if (const auto labels = after.find(c->name); labels != after.end()) {
            for (const ControlLayout* label : labels->second)
                put(label);
        }
    }
    for (const ControlLayout& c : window.controls) {
        if (!c.container)
            put(&c);
    }
    return order;
}

} // namespace frontend
