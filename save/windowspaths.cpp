// SPDX-License-Identifier: MIT
#include "windowspaths.h"

#include <QDir>

namespace kestrin {

bool isReservedDeviceName(QStringView fileName)
{
    // Windows ignores what follows the first dot and trailing spaces.
    QStringView stem =
        fileName.left(fileName.indexOf(QLatin1Char('.')) < 0 ? fileName.size() : fileName.indexOf(QLatin1Char('.')));
    while (stem.endsWith(QLatin1Char(' ')))
        stem.chop(1);
    for (const char *device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"}) {
        if (stem.compare(QLatin1String(device), Qt::CaseInsensitive) == 0)
            return true;
    }
    if (stem.size() != 4)
        return false;
    const QStringView prefix = stem.first(3);
    if (prefix.compare(QLatin1String("COM"), Qt::CaseInsensitive) != 0
        && prefix.compare(QLatin1String("LPT"), Qt::CaseInsensitive) != 0)
        return false;
    const char16_t digit = stem[3].unicode();
    // 1 to 9, and the superscript one, two and three.
    return (digit >= u'1' && digit <= u'9') || digit == u'\u00B9' || digit == u'\u00B2' || digit == u'\u00B3';
}

QString extendedLengthPath(const QString &absolutePath)
{
    // Separators are swapped by hand rather than with QDir's native ones, so
    // that the result is the same on every system.
    QString path = absolutePath;
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (path.startsWith(QLatin1String("\\\\?\\")) || path.startsWith(QLatin1String("\\\\.\\")))
        return path;
    // A UNC path's two leading backslashes are kept apart from the cleaning,
    // which would merge them.
    const bool unc = path.startsWith(QLatin1String("\\\\"));
    QString rest = unc ? path.mid(2) : path;
    rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
    rest = QDir::cleanPath(rest);
    rest.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return (unc ? QStringLiteral("\\\\?\\UNC\\") : QStringLiteral("\\\\?\\")) + rest;
}

} // namespace kestrin
