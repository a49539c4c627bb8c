#include "ui/Application.h"

#include <QApplication>
#include <QStyleFactory>

#include "ui/Fonts.h"

namespace ui {

void prepareApplication(QApplication& app) {
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setFont(makeFont(FontFace::Arial, 9));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

} // namespace ui
