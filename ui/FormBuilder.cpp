#include "ui/FormBuilder.h"

#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <vector>

#include "engine/Steps.h"
#include "ui/Fonts.h"
#include "ui/Placement.h"
#include "ui/Platform.h"

namespace ui {
namespace {

Qt::Alignment toAlignment(Align align) {
    switch (align) {
    case Align::Right:
        return Qt::AlignRight;
    case Align::Centre:
        return Qt::AlignHCenter;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

QRect toPixels(const ControlLayout& c) {
    return {twipsToPixels(c.left), twipsToPixels(c.top), twipsToPixels(c.width),
            twipsToPixels(c.height)};
}

void setColours(QWidget& widget, QPalette::ColorRole fillRole, QPalette::ColorRole textRole,
                const ControlLayout& c) {
    QPalette palette = widget.palette();
    if (c.fill != kSystemColour) {
        palette.setColor(fillRole, toColor(c.fill));
        if (fillRole == QPalette::Button) // Fusion shades buttons from both roles
            palette.setColor(QPalette::Window, toColor(c.fill));
    }
    // A system text colour is the platform's own, not one the control would
    // otherwise take over from a coloured frame around it.
    palette.setColor(textRole, c.text != kSystemColour ? toColor(c.text)
                                                       : QApplication::palette().color(textRole));
    widget.setPalette(palette);
}

// Marks a label that reads its own text: Qt would read an empty label as the
// caption that names it.
constexpr const char* kReadsOwnText = "trainerReadsOwnText";

QString describe(const Description& d) {
    QString text = QString::fromUtf8(d.text);
    if (d.step > 0)
        text.replace(QLatin1String("%1"), QString::number(d.step))
            .replace(QLatin1String("%2"), QString::fromUtf8(engine::step(d.step).name));
    return text;
}

// Makes `caption` name `named` for assistive technology: the caption's buddy
// is "labelled by" it, which changes nothing on screen while the caption
// holds no '&'. A box takes the caption as its name too.
void nameAfter(QLabel& caption, QWidget& named) {
    caption.setBuddy(&named);
    if (qobject_cast<QLineEdit*>(&named))
        named.setAccessibleName(caption.text());
}

QWidget* createControl(const ControlLayout& c, QWidget* parent) {
    const QString caption = QString::fromUtf8(c.caption);
    QWidget* widget = nullptr;
    switch (c.kind) {
    case ControlKind::Label: {
        auto* label = new QLabel(parent);
        // Marked before it has any text, so before assistive technology first
        // asks for it.
        label->setProperty(kReadsOwnText, c.labelledBy != nullptr);
        label->setText(caption);
        label->setAlignment(toAlignment(c.align) | Qt::AlignTop);
        label->setAutoFillBackground(true); // labels are opaque
        label->setTextFormat(Qt::PlainText);
        if (c.border) {
            label->setFrameShape(QFrame::Box);
            label->setFrameShadow(QFrame::Plain);
            label->setLineWidth(1);
        }
        setColours(*label, QPalette::Window, QPalette::WindowText, c);
        widget = label;
        break;
    }
    case ControlKind::TextBox: {
        auto* box = new QLineEdit(caption, parent);
        box->setAlignment(toAlignment(c.align) | Qt::AlignVCenter);
        setColours(*box, QPalette::Base, QPalette::Text, c);
        widget = box;
        break;
    }
    case ControlKind::PushButton: {
        auto* button = new QPushButton(caption, parent);
        button->setAutoDefault(false);
        setColours(*button, QPalette::Button, QPalette::ButtonText, c);
        widget = button;
        break;
    }
    case ControlKind::Frame: {
        auto* frame = new QGroupBox(caption, parent);
        frame->setAlignment(toAlignment(c.align));
        setColours(*frame, QPalette::Window, QPalette::WindowText, c);
        frame->setAutoFillBackground(true);
        widget = frame;
        break;
    }
    case ControlKind::OptionButton: {
        auto* option = new QRadioButton(caption, parent);
        option->setChecked(c.selected);
        option->setBackgroundRole(QPalette::Window); // buttons fill with Button otherwise
        option->setAutoFillBackground(true);
        setColours(*option, QPalette::Window, QPalette::WindowText, c);
        widget = option;
        break;
    }
    }
    widget->setObjectName(QString::fromLatin1(c.name));
    widget->setFont(makeFont(c.font));
    widget->setGeometry(toPixels(c));
    return widget;
}

bool takesFocus(ControlKind kind) {
    return kind == ControlKind::TextBox || kind == ControlKind::PushButton ||
           kind == ControlKind::OptionButton;
}

} // namespace

QColor toColor(std::uint32_t rgb) {
    return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>(rgb & 0xFF));
}

void applyWindowLayout(QWidget& window, const WindowLayout& layout) {
    window.setObjectName(QString::fromLatin1(layout.name));
    window.setWindowTitle(QString::fromUtf8(layout.caption));
    // A pixmap read from a file goes through Qt's pixmap cache, so the results
    // window, built anew at every opening, decodes its icon only once.
    window.setWindowIcon(QIcon(QPixmap(QString::fromLatin1(layout.icon))));
    Qt::WindowFlags flags =
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (layout.minimizeButton)
        flags |= Qt::WindowMinimizeButtonHint;
    if (layout.maximizeButton)
        flags |= Qt::WindowMaximizeButtonHint;
    window.setWindowFlags(flags);
    if (layout.fill != kSystemColour) {
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, toColor(layout.fill));
        window.setPalette(palette);
        window.setAutoFillBackground(true);
    }
    const QRect client(twipsToPixels(layout.screenLeft), twipsToPixels(layout.screenTop),
                       twipsToPixels(layout.clientWidth), twipsToPixels(layout.clientHeight));
    placeOnScreen(window, client);
    if (layout.fixedBorder)
        window.setFixedSize(client.size());
    platform::prepareWindow(window);
}

Form buildControls(QWidget& window, const WindowLayout& layout) {
    Form form(window);
    std::vector<std::pair<const ControlLayout*, QWidget*>> built;
    built.reserve(layout.controls.size());
    for (const ControlLayout& c : layout.controls) {
        QWidget* parent =
            c.container ? form.byName_.value(QByteArray(c.container), &window) : &window;
        QWidget* widget = createControl(c, parent);
        form.byName_.insert(QByteArray(c.name), widget);
        built.emplace_back(&c, widget);
    }
    for (const auto& [c, widget] : built) {
        if (c->kind != ControlKind::Label)
            widget->raise();
        if (c->description.text)
            widget->setAccessibleDescription(describe(c->description));
        if (c->labelledBy)
            nameAfter(form.get<QLabel>(c->labelledBy), *widget);
    }
    std::vector<std::pair<const ControlLayout*, QWidget*>> focusable;
    std::copy_if(built.begin(), built.end(), std::back_inserter(focusable),
                 [](const auto& entry) { return takesFocus(entry.first->kind); });
    std::stable_sort(focusable.begin(), focusable.end(), [](const auto& a, const auto& b) {
        return a.first->tabIndex < b.first->tabIndex;
    });
    for (std::size_t i = 1; i < focusable.size(); ++i)
        QWidget::setTabOrder(focusable[i - 1].second, focusable[i].second);
    return form;
}

QWidget* Form::find(std::string_view name) const {
    return byName_.value(QByteArray(name.data(), static_cast<qsizetype>(name.size())));
}

void Form::reportMissing(std::string_view name) const {
    qCritical("%s has no control %.*s of the kind asked for", qPrintable(window_->objectName()),
              static_cast<int>(name.size()), name.data());
}

bool readsOwnText(const QObject& object) {
    return object.property(kReadsOwnText).toBool();
}

} // namespace ui
