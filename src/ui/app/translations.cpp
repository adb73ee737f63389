#include "ui/app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quillo {

QTranslator* installItalianTranslations(QCoreApplication& app)
{
    // The standard dialogs write dates and sizes in the default locale; the
    // program's own numbers never go through it.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    auto* translator = new QTranslator(&app);
    // "qt_it" pulls in every module's catalogue, the print dialogs' included.
    if (!translator->load(QLocale(QLocale::Italian), QStringLiteral("qt"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

}  // namespace quillo
