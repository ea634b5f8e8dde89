// SPDX-License-Identifier: MIT
#include "overridetable.h"

#include "keysuggestions.h"
#include "readermessages.h"

namespace kestrin::reading {

OverrideTable::OverrideTable(const QList<ArticleOverride> &overrides, ProblemList &problems)
    : m_overrides(overrides)
{
    for (int i = 0; i < int(m_overrides.size()); ++i) {
        const QString &key = m_overrides[i].key;
        const ArticleField *field = findArticleField(key);
        const Where where{{}, i};
        if (!field) {
            problems.report(where, [&] { return unknownKeyMessage(key); });
            continue;
        }
        if (field->type == FieldType::Group) {
            QStringList members;
            for (const QString &member : membersOf(key))
                members << key + QLatin1Char('.') + member;
            problems.report(where, [&] {
                return ArticleReader::tr("%1 is a group of keys; give one of %2")
                    .arg(quoted(key), listOf(members, QT_TRANSLATE_NOOP("ArticleReader", "or")));
            });
            continue;
        }
        if (field->type == FieldType::Schema || field->type == FieldType::FormatVersion) {
            problems.report(where, [&] {
                return ArticleReader::tr("%1 describes the file itself and cannot be set").arg(quoted(key));
            });
            continue;
        }
        m_overridden.insert(key, i);
    }
}

void OverrideTable::apply(FieldReader &fields) const
{
    for (auto it = m_overridden.cbegin(); it != m_overridden.cend(); ++it) {
        const QString &key = it.key();
        if (fields.isBrokenGroup(parentOf(key).toString()))
            continue;
        const ArticleOverride &o = m_overrides[*it];
        const Value value = o.value ? Value{ValueType::Text, *o.value} : Value{ValueType::Null};
        const Where where{{}, *it};
        fields.read(*findArticleField(key), key, value, where, where);
    }
}

} // namespace kestrin::reading
