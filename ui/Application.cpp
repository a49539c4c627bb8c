#include "ui/Application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ui/Accessibility.h"
#include "ui/Fonts.h"
#include "ui/TrainerStyle.h"

namespace ui {
namespace {

// Qt's own Russian texts (context menus, standard buttons) from the toolkit's
// translations folder; without the catalogue they stay English.
void loadToolkitTranslation(QApplication& app) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator))
        delete translator;
}

} // namespace

void prepareApplication(QApplication& app) {
    installAccessibility();
    loadToolkitTranslation(app);
    app.setStyle(new TrainerStyle); // the application takes ownership
    app.setFont(makeFont(frontend::FontFace::Arial, 9));
}

} // namespace ui
