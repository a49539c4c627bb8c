#include "frontend/Layout.h"

#include <algorithm>

#include "engine/Steps.h"

namespace frontend {

const ControlLayout* findControl(const WindowLayout& window, std::string_view name) {
    for (const ControlLayout& c : window.controls) {
        if (name == c.name)
            return &c;
    }
    return nullptr;
}

bool takesFocus(ControlKind kind) {
    return kind == ControlKind::TextBox || kind == ControlKind::PushButton ||
           kind == ControlKind::OptionButton;
}

std::string describe(const Description& description) {
    std::string text = description.text ? description.text : "";
    if (description.step == 0)
        return text;
    const auto fill = [&text](std::string_view mark, std::string_view with) {
        for (auto at = text.find(mark); at != std::string::npos; at = text.find(mark, at))
            text.replace(at, mark.size(), with);
    };
    fill("%1", std::to_string(description.step));
    fill("%2", engine::step(description.step).name);
    return text;
}

std::vector<const ControlLayout*> tabChain(const WindowLayout& window) {
    std::vector<const ControlLayout*> chain;
    for (const ControlLayout& c : window.controls) {
        if (takesFocus(c.kind))
            chain.push_back(&c);
    }
    std::stable_sort(chain.begin(), chain.end(),
                     [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });
    return chain;
}

const char* firstFocus(const WindowLayout& window) {
    const auto chain = tabChain(window);
    return chain.empty() ? nullptr : chain.front()->name;
}

int stackLevel(const ControlLayout& control) {
    return control.kind == ControlKind::Label ? 0 : 1;
}

bool liesInView(const WindowLayout& window, const ControlLayout& control, int left, int top) {
    return left < window.clientWidth && top < window.clientHeight && left + control.width > 0 &&
           top + control.height > 0;
}

} // namespace frontend
