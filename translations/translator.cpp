#include "translator.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace kestrin {

QString installTranslations(QCoreApplication &app, const QLocale &locale)
{
    // The translators live as long as the application: they are its children.
    auto *own = new QTranslator(&app);
    // Tries each of the locale's UI languages in order ("de-AT", then "de"...).
    if (!own->load(locale, QStringLiteral("kestrin"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        delete own;
        return {};
    }
    QCoreApplication::installTranslator(own);

    const QString language = own->language().section(u'_', 0, 0).section(u'-', 0, 0);
    // Qt's own texts (the standard buttons, the file dialog) in the same
    // language, where Qt's translations are installed.
    auto *qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return language;
}

} // namespace kestrin
