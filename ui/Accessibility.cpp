#include "ui/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

#include "ui/Announcer.h"
#include "ui/DrawingCanvas.h"
#include "ui/FormBuilder.h"

namespace ui {
namespace {

// A label whose name is exactly its text, also when it shows nothing: the
// results window's values read as they stand; the announcer's sentence is its
// name, and its notification role makes a screen reader speak it as it
// appears.
class TextNameInterface final : public QAccessibleWidget {
public:
    TextNameInterface(QLabel* label, QAccessible::Role role) : QAccessibleWidget(label, role) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* trainerInterface(const QString&, QObject* object) {
    if (auto* canvas = dynamic_cast<DrawingCanvas*>(object)) // a picture, not a bare panel
        return new QAccessibleWidget(canvas, QAccessible::Graphic);
    if (auto* announcer = dynamic_cast<Announcer*>(object))
        return new TextNameInterface(announcer, QAccessible::Notification);
    if (auto* label = qobject_cast<QLabel*>(object); label && readsOwnText(*label))
        return new TextNameInterface(label, QAccessible::StaticText);
    return nullptr;
}

} // namespace

void installAccessibility() {
    QAccessible::installFactory(trainerInterface);
}

} // namespace ui
