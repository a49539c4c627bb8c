#pragma once

// The results window "Form2", built from its layout table: captions and value
// labels only. It is a snapshot, changed only when the trainer fills it.

#include <QWidget>
#include <array>

#include "engine/ResultsView.h"

class QLabel;

namespace ui {

class ResultsWindow final : public QWidget {
public:
    // Created without an owner and destroyed when the pupil closes it.
    ResultsWindow();

    void setValue(engine::ResultLabel label, std::string_view text);
    QString value(engine::ResultLabel label) const;

private:
    std::array<QLabel*, 22> labels_{}; // by label number; 1..21 used
};

} // namespace ui
