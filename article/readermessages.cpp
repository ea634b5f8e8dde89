// SPDX-License-Identifier: MIT
#include "readermessages.h"

#include "article.h"
#include "articlereader.h"
#include "installationkind.h"

namespace kestrin::reading {

QString quoted(QStringView text)
{
    return quoteForMessage(text);
}

QString listOf(const QStringList &items, const char *last)
{
    QStringList q;
    for (const QString &item : items)
        q << quoted(item);
    if (q.size() < 2)
        return q.join(QString());
    const QString tail = q.takeLast();
    return q.join(QStringLiteral(", ")) + QLatin1Char(' ') + ArticleReader::tr(last) + QLatin1Char(' ') + tail;
}

QStringList articleKindNames()
{
    QStringList out;
    for (const char *kind : kArticleKinds)
        out << QLatin1String(kind);
    return out;
}

QStringList installationKindNames()
{
    QStringList out;
    for (int i = 0; i < kInstallationKindCount; ++i)
        out << installationKindName(InstallationKind(i));
    return out;
}

QString withCrLf(const QString &text)
{
    if (!text.contains(QLatin1Char('\n')))
        return text;
    QString out;
    out.reserve(text.size() + text.count(QLatin1Char('\n')));
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\n') && (i == 0 || text[i - 1] != QLatin1Char('\r')))
            out += QLatin1Char('\r');
        out += text[i];
    }
    return out;
}

QString hex4(uint unit)
{
    return QStringLiteral("%1").arg(unit, 4, 16, QLatin1Char('0')).toUpper();
}

} // namespace kestrin::reading
