#pragma once

// The random pupil's eye on the windows that appear. The last-example
// message is answered with its OK button from a zero-timer, as a pupil would;
// any other window but the two of the program is a fault, noted and closed so
// that the run goes on. Paints are counted on the way.

#include <QObject>
#include <string>
#include <vector>

namespace pupil {

class WindowWatch final : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* event) override;

    int lastExampleMessages = 0;
    std::vector<std::string> strangers; // class, name and text of each
    int paints = 0;
};

} // namespace pupil
