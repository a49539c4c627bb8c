#include "ui/Application.h"

#include <QApplication>

#include "ui/Fonts.h"
#include "ui/TrainerStyle.h"

namespace ui {

void prepareApplication(QApplication& app) {
    app.setStyle(new TrainerStyle); // the application takes ownership
    app.setFont(makeFont(FontFace::Arial, 9));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

} // namespace ui
