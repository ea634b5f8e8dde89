// SPDX-License-Identifier: MIT
#pragma once

// The overrides of a reading (--set KEY=VALUE, --unset KEY): which key each
// sets, checked when the reading starts; their values read as the file's
// would be once the file is read.

#include "articlereader.h"
#include "fieldreader.h"

#include <QHash>
#include <QList>
#include <QString>

namespace kestrin::reading {

class OverrideTable {
public:
    // Problems with the keys themselves go to problems at once.
    OverrideTable(const QList<ArticleOverride> &overrides, ProblemList &problems);

    // Whether an override sets the key (whose value in the file is then not
    // read).
    bool sets(const QString &key) const { return m_overridden.contains(key); }
    // The overrides' values, read as the file's would be. A key of a group
    // whose value in the file is not an object is left as it is: the
    // group's value is reported.
    void apply(FieldReader &fields) const;

private:
    const QList<ArticleOverride> &m_overrides;
    QHash<QString, int> m_overridden; // key -> the override that sets it last
};

} // namespace kestrin::reading
