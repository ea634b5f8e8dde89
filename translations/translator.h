// SPDX-License-Identifier: MIT
#pragma once

// Loads the program's own translation and Qt's for the user's language.

#include <QLocale>

class QCoreApplication;

namespace kestrin {

// Installs on app the translation of the first of the locale's UI languages
// the program is translated into, with Qt's own texts (qtbase) for the same
// language. English, C or a language without a translation installs nothing:
// every text stays as written. Returns the language loaded ("de"), or empty.
QString installTranslations(QCoreApplication &app, const QLocale &locale = QLocale::system());

// The language installTranslations loaded last ("de"), or empty: the
// language the program speaks, which its help follows.
QString installedLanguage();

} // namespace kestrin
