// Every caption, option and label text of both windows reads whole in the
// faces the program uses: each text is no wider than the room its control
// leaves it, once what the style draws around it, the frame that clips it and
// the controls that lie over it are taken away. A change of face or size
// that loses a letter fails here.
#include <QAbstractButton>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>

#include "WindowTestSupport.h"

namespace {

using testing_support::ShownApp;

// The part of `room` (in `widget`'s coordinates) that the pupil sees: inside
// the parent, and left of any control stacked above it.
QRect visibleRoom(const QWidget& widget, QRect room) {
    const QWidget* parent = widget.parentWidget();
    room &= QRect(widget.mapFrom(parent, QPoint(0, 0)), parent->size());
    const QObjectList& siblings = parent->children();
    for (qsizetype i = siblings.indexOf(&widget) + 1; i < siblings.size(); ++i) {
        const auto* above = qobject_cast<const QWidget*>(siblings[i]);
        if (!above || above->isWindow() || !above->isVisible())
            continue;
        const QRect over(widget.mapFrom(parent, above->pos()), above->size());
        if (over.intersects(room) && over.left() > room.left())
            room.setRight(std::min(room.right(), over.left() - 1));
    }
    return room;
}

// The room the style gives the text of a label, a button or a frame caption.
QRect textRoom(const QWidget& widget) {
    QStyle* style = widget.style();
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        QRect room = label->contentsRect();
        if (label->frameWidth() > 0) // a framed label indents its text by half an x
            room.adjust(label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2, 0, 0, 0);
        return room;
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool radio = qobject_cast<const QRadioButton*>(button);
        return style->subElementRect(radio ? QStyle::SE_RadioButtonContents
                                           : QStyle::SE_PushButtonContents,
                                     &option, button);
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(&widget)) {
        // The caption breaks the frame's top line, which must go on past it.
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect caption =
            style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        return {caption.left(), 0, box->width() - 2 * caption.left(), box->height()};
    }
    return {};
}

QString textOf(const QWidget& widget) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return button->text();
    if (const auto* box = qobject_cast<const QGroupBox*>(&widget))
        return box->title();
    return {};
}

void expectTextsFit(const QWidget& window) {
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        const QString text = textOf(*widget);
        if (text.isEmpty() || !widget->isVisible() || !window.rect().intersects(widget->geometry()))
            continue;
        const QRect room = visibleRoom(*widget, textRoom(*widget));
        const int width = widget->fontMetrics().horizontalAdvance(text);
        EXPECT_LE(width, room.width())
            << widget->objectName().toStdString() << " \"" << text.toStdString() << "\" in "
            << widget->font().family().toStdString() << ' ' << widget->font().pixelSize() << "px";
    }
}

TEST(TextFit, EveryTextOfBothWindowsReadsWhole) {
    ShownApp app;
    expectTextsFit(app.window());
    // The longest verdict and the widest echo of an answer the steps ask for.
    app.click(QStringLiteral("cmd1"));
    for (int step = 1; step <= 7; ++step)
        app.answer(step, QStringLiteral("-60"));
    expectTextsFit(app.window());
    app.click(QStringLiteral("Command10"));
    ASSERT_NE(app.app->results().window(), nullptr);
    expectTextsFit(*app.app->results().window());
}

} // namespace
