#include "ui/FormBuilder.h"

#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include "frontend/Layout.h"
#include "ui/Fonts.h"
#include "ui/Placement.h"
#include "ui/Platform.h"

namespace ui {
namespace {

Qt::Alignment toAlignment(frontend::Align align) {
    switch (align) {
    case frontend::Align::Right:
        return Qt::AlignRight;
    case frontend::Align::Centre:
        return Qt::AlignHCenter;
    case frontend::Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

QRect toPixels(const frontend::ControlLayout& c) {
    using frontend::twipsToPixels;
    return {twipsToPixels(c.left), twipsToPixels(c.top), twipsToPixels(c.width),
            twipsToPixels(c.height)};
}

void setColours(QWidget& widget, QPalette::ColorRole fillRole, QPalette::ColorRole textRole,
                const frontend::ControlLayout& c) {
    QPalette palette = widget.palette();
    if (c.fill != frontend::kSystemColour) {
        palette.setColor(fillRole, toColor(c.fill));
        if (fillRole == QPalette::Button) // Fusion shades buttons from both roles
            palette.setColor(QPalette::Window, toColor(c.fill));
    }
    // A system text colour is the platform's own, not one the control would
    // otherwise take over from a coloured frame around it.
    palette.setColor(textRole, c.text != frontend::kSystemColour
                                   ? toColor(c.text)
                                   : QApplication::palette().color(textRole));
    widget.setPalette(palette);
}

// Marks a label that reads its own text: Qt would read an empty label as the
// caption that names it.
constexpr const char* kReadsOwnText = "trainerReadsOwnText";

// Makes `caption` name `named` for assistive technology: the caption's buddy
// is "labelled by" it, which changes nothing on screen while the caption
// holds no '&'. A box takes the caption as its name too.
void nameAfter(QLabel& caption, QWidget& named) {
    caption.setBuddy(&named);
    if (qobject_cast<QLineEdit*>(&named))
        named.setAccessibleName(caption.text());
}

QWidget* createControl(const frontend::ControlLayout& c, QWidget* parent) {
    const QString caption = QString::fromUtf8(c.caption);
    QWidget* widget = nullptr;
    switch (c.kind) {
    case frontend::ControlKind::Label: {
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
    case frontend::ControlKind::TextBox: {
        auto* box = new QLineEdit(caption, parent);
        box->setAlignment(toAlignment(c.align) | Qt::AlignVCenter);
        setColours(*box, QPalette::Base, QPalette::Text, c);
        widget = box;
        break;
    }
    case frontend::ControlKind::PushButton: {
        auto* button = new QPushButton(caption, parent);
        button->setAutoDefault(false);
        setColours(*button, QPalette::Button, QPalette::ButtonText, c);
        widget = button;
        break;
    }
    case frontend::ControlKind::Frame: {
        auto* frame = new QGroupBox(caption, parent);
        frame->setAlignment(toAlignment(c.align));
        setColours(*frame, QPalette::Window, QPalette::WindowText, c);
        frame->setAutoFillBackground(true);
        widget = frame;
        break;
    }
    case frontend::ControlKind::OptionButton: {
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

} // namespace

QColor toColor(std::uint32_t rgb) {
    return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>(rgb & 0xFF));
}

void applyWindowLayout(QWidget& window, const frontend::WindowLayout& layout) {
    window.setObjectName(QString::fromLatin1(layout.name));
    window.setWindowTitle(QString::fromUtf8(layout.caption));
    // A pixmap read from a file goes through Qt's pixmap cache, so the results
    // window, built anew at every opening, decodes its icon only once.
    window.setWindowIcon(QIcon(QPixmap(QStringLiteral(":/icons/%1.png").arg(layout.icon))));
    Qt::WindowFlags flags =
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (layout.minimizeButton)
        flags |= Qt::WindowMinimizeButtonHint;
    if (layout.maximizeButton)
        flags |= Qt::WindowMaximizeButtonHint;
    window.setWindowFlags(flags);
    if (layout.fill != frontend::kSystemColour) {
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, toColor(layout.fill));
        window.setPalette(palette);
        window.setAutoFillBackground(true);
    }
    using frontend::twipsToPixels;
    const QRect client(twipsToPixels(layout.screenLeft), twipsToPixels(layout.screenTop),
                       twipsToPixels(layout.clientWidth), twipsToPixels(layout.clientHeight));
    placeOnScreen(window, client);
    if (layout.fixedBorder)
        window.setFixedSize(client.size());
    platform::prepareWindow(window);
}

Form buildControls(QWidget& window, const frontend::WindowLayout& layout) {
    Form form(window);
    for (const frontend::ControlLayout& c : layout.controls) {
        QWidget* parent =
            c.container ? form.byName_.value(QByteArray(c.container), &window) : &window;
        form.byName_.insert(QByteArray(c.name), createControl(c, parent));
    }
    for (const frontend::ControlLayout& c : layout.controls) {
        QWidget& widget = form.get<QWidget>(c.name);
        if (frontend::stackLevel(c) > 0)
            widget.raise();
        if (c.description.text)
            widget.setAccessibleDescription(
                QString::fromStdString(frontend::describe(c.description)));
        if (c.labelledBy)
            nameAfter(form.get<QLabel>(c.labelledBy), widget);
    }
    QWidget* previous = nullptr;
    for (const frontend::ControlLayout* c : frontend::tabChain(layout)) {
        QWidget* next = &form.get<QWidget>(c->name);
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
    return form;
}

std::string focusedName(const QWidget& window) {
    const QWidget* focused = QApplication::focusWidget();
    return focused && window.isAncestorOf(focused) ? focused->objectName().toStdString()
                                                   : std::string();
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
