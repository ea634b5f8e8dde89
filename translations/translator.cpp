// SPDX-License-Identifier: MIT
#include "translator.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace kestrin {

namespace {

QString &loadedLanguage()
{
    static QString language;
    return language;
}

} // namespace

QString installedLanguage()
{
    return loadedLanguage();
}

QString installTranslations(QCoreApplication &app, const QLocale &locale)
{
    loadedLanguage().clear();
    // The user's languages in order of preference ("de-AT", "de", ...): the
    // first the program has is loaded; English before any of them means
    // English (its texts are the program's own).
    // The translators live as long as the application: they are its children.
    auto *own = new QTranslator(&app);
    bool loaded = false;
    for (const QString &name : locale.uiLanguages()) {
        const QString language = name.section(u'-', 0, 0).section(u'_', 0, 0);
        if (language == QLatin1String("en") || language == QLatin1String("C"))
            break;
        if (own->load(QStringLiteral("kestrin_") + QString(name).replace(u'-', u'_'), QStringLiteral(":/i18n"))
            || own->load(QStringLiteral("kestrin_") + language, QStringLiteral(":/i18n"))) {
            loaded = true;
            break;
        }
    }
    if (!loaded) {
        delete own;
        return {};
    }
    QCoreApplication::installTranslator(own);

    const QString language = own->language().section(u'_', 0, 0).section(u'-', 0, 0);
    loadedLanguage() = language;
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
