// SPDX-License-Identifier: MIT
#include "articlefields.h"

namespace kestrin {

const ArticleField *findArticleField(QStringView path)
{
    for (const ArticleField &field : kArticleFields) {
        if (path == QLatin1String(field.key))
            return &field;
    }
    return nullptr;
}

QStringView parentOf(QStringView path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot < 0 ? QStringView() : path.left(dot);
}

QStringView leafOf(QStringView path)
{
    return path.mid(path.lastIndexOf(u'.') + 1);
}

QStringList membersOf(QStringView group)
{
    QStringList out;
    for (const ArticleField &field : kArticleFields) {
        const QString key = QLatin1String(field.key);
        if (parentOf(key) == group)
            out << leafOf(key).toString();
    }
    return out;
}

QStringList articleKeys()
{
    QStringList out;
    for (const ArticleField &field : kArticleFields)
        out << QLatin1String(field.key);
    return out;
}

} // namespace kestrin
