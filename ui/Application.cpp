#include "ui/Application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ui/Accessibility.h"
#include "ui/Fonts.h"
#include "ui/TrainerStyle.h"

namespace ui {

bool loadToolkitTranslation(QApplication& app) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

void prepareApplication(QApplication& app) {
    installAccessibility();
    loadToolkitTranslation(app);
    app.setStyle(new TrainerStyle); // the application takes ownership
    app.setFont(makeFont(FontFace::Arial, 9));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

} // namespace ui
