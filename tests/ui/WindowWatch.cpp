#include "WindowWatch.h"

#include <QAbstractButton>
#include <QEvent>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "WindowTestSupport.h"
#include "engine/Trainer.h"

namespace pupil {

using testing_support::qs;

bool WindowWatch::eventFilter(QObject* object, QEvent* event) {
    if (event->type() == QEvent::Paint)
        ++paints;
    if (event->type() != QEvent::Show || !object->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(object);
    if (!widget->isWindow() || widget->objectName() == "Form1" || widget->objectName() == "Form2")
        return false;
    auto* box = qobject_cast<QMessageBox*>(widget);
    if (box && box->objectName() == "lastExampleMessage" &&
        box->text() == qs(engine::kLastExampleMessage) && box->isModal()) {
        ++lastExampleMessages;
        QTimer::singleShot(0, box, [box] {
            if (QAbstractButton* ok = box->button(QMessageBox::Ok))
                QTest::mouseClick(ok, Qt::LeftButton);
            else
                box->reject();
        });
    } else {
        std::string name = widget->metaObject()->className();
        name += " \"" + widget->objectName().toStdString() + "\"";
        if (box)
            name += ": " + box->text().toStdString();
        strangers.push_back(name);
        QTimer::singleShot(0, widget, [widget] { widget->close(); });
    }
    return false;
}

} // namespace pupil
