#include "frontend/ColumnFlow.h"

#include <algorithm>
#include <array>
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

// A step whose box stands in the window: its caption, and its row's
// controls in columns 1 to 4 (box, «Да», echo, verdict); nullptr for none.
// The results window holds no step's box, and labels of the same names.
struct StepLine {
    const ControlLayout* caption;
    std::array<const ControlLayout*, 4> row;

    bool holds(const ControlLayout* c) const {
        return caption == c || std::find(row.begin(), row.end(), c) != row.end();
    }
};

std::vector<StepLine> stepLines(const WindowLayout& window) {
    const auto named = [&window](const char* name) {
        return name ? findControl(window, name) : nullptr;
    };
    std::vector<StepLine> lines;
    for (const engine::Step& step : engine::kStepTable) {
        const engine::StepControls& s = step.controls;
        if (const ControlLayout* box = named(s.answerBox))
            lines.push_back(
                {named(box->labelledBy),
                 {box, named(s.confirmButton), named(s.echoLabel), named(s.verdictLabel)}});
    }
    return lines;
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
    const auto lines = stepLines(window);
    int firstStepTop = window.clientHeight;
    for (const ControlLayout& c : window.controls) {
        if (c.kind == ControlKind::TextBox)
            firstStepTop = std::min(firstStepTop, c.top);
    }
    std::vector<const ControlLayout*> rest;
    for (const ControlLayout& c : window.controls) {
        if (!c.container &&
            std::none_of(lines.begin(), lines.end(), [&c](const auto& l) { return l.holds(&c); }))
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
    for (const StepLine& line : lines) {
        if (line.caption)
            places.push_back({line.caption, row++, 0});
        for (std::size_t i = 0; i < line.row.size(); ++i) {
            if (line.row[i])
                places.push_back({line.row[i], row, static_cast<int>(i) + 1});
        }
        ++row;
    }
    across(false);
    return places;
}

std::vector<const ControlLayout*> readingOrder(const WindowLayout& window) {
    // A step's echo and verdict stand after its «Да», a caption before the
    // control it names.
    const auto lines = stepLines(window);
    const auto chain = tabChain(window);
    const auto placed = [&](const ControlLayout& c) {
        return std::any_of(lines.begin(), lines.end(),
                           [&c](const auto& l) { return l.row[2] == &c || l.row[3] == &c; }) ||
               std::any_of(chain.begin(), chain.end(), [&c](const ControlLayout* f) {
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
        for (const StepLine& line : lines) {
            if (line.row[1] == c) {
                put(line.row[2]);
                put(line.row[3]);
            }
        }
    }
    for (const ControlLayout& c : window.controls) {
        if (!c.container)
            put(&c);
    }
    return order;
}

} // namespace frontend
