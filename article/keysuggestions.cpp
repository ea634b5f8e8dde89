// SPDX-License-Identifier: MIT
#include "keysuggestions.h"

#include "articlefields.h"
#include "readermessages.h"

#include <QList>

#include <algorithm>

namespace kestrin::reading {

namespace {

// Levenshtein distance, ignoring case.
int editDistance(QStringView a, QStringView b)
{
    const QString x = a.toString().toLower();
    const QString y = b.toString().toLower();
    QList<int> row(y.size() + 1);
    for (qsizetype j = 0; j <= y.size(); ++j)
        row[j] = int(j);
    for (qsizetype i = 1; i <= x.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (qsizetype j = 1; j <= y.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (x[i - 1] == y[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[y.size()];
}

// The known key nearest to an unknown one. Keys of the same object come
// first; a key of another object is a step further away, so that a contact
// written at the top ("skype") still finds its place ("contacts.skype").
QString closestKey(QStringView path)
{
    const QStringView parent = parentOf(path);
    // A key longer than any known key is compared by its start only: the
    // distance grows with the length all the same.
    const QStringView leaf = leafOf(path).left(64);
    QString best;
    int bestScore = 0;
    for (const ArticleField &field : kArticleFields) {
        const QString candidate = QLatin1String(field.key);
        const bool sameObject = parentOf(candidate) == parent;
        // Twice the distance, plus one for another object: ties go to the
        // key of the same object.
        const int score = 2 * (editDistance(leaf, leafOf(candidate)) + (sameObject ? 0 : 1)) + (sameObject ? 0 : 1);
        if (best.isEmpty() || score < bestScore) {
            best = candidate;
            bestScore = score;
        }
    }
    return best;
}

} // namespace

QString unknownKeyMessage(QStringView path)
{
    return ArticleReader::tr("unknown key %1; the closest known key is %2").arg(quoted(path), quoted(closestKey(path)));
}

} // namespace kestrin::reading
