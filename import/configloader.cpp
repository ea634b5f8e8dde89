// SPDX-License-Identifier: MIT
#include "configloader.h"

#include "rapreader.h"

namespace kestrin::import {

ConfigParse parseConfig(const QByteArray &data, const SourceRef &where, ContentSource *includes,
                        const QString &relative, const ClassFilter &keep, const TextConfigLimits &limits)
{
    if (isRapified(data))
        return parseRap(data, where, {}, keep);
    IncludeResolver resolve;
    if (includes) {
        // The including file's relative path, found again from its SourceRef.
        QHash<QString, QString> relativeOf;
        resolve = [includes, relative, limits, relativeOf](const QString &written, const SourceRef &from) mutable {
            IncludedFile file;
            const QString key = from.file + QLatin1Char('\n') + from.entry;
            const QString fromRelative = relativeOf.value(key, relative);
            const QString target = includes->resolveInclude(written, fromRelative, &file.problem);
            if (target.isEmpty())
                return file;
            auto data = includes->read(target, limits.maxTotalBytes, &file.problem);
            if (!data)
                return file;
            file.problem.clear();
            file.data = *data;
            file.where = includes->ref(target);
            file.identity = file.where.file + QLatin1Char('\n') + file.where.entry;
            relativeOf.insert(file.identity, target);
            return file;
        };
    }
    return parseTextConfig(data, where, resolve, limits, keep);
}

std::optional<ConfigParse> loadConfig(ContentSource &source, const QString &relative, ImportNotes &notes,
                                      const ClassFilter &keep, const TextConfigLimits &limits)
{
    QString problem;
    const SourceRef where = source.ref(relative);
    auto data = source.read(relative, MaxConfigBytes, &problem);
    if (!data) {
        notes.append({where, ImportText::tr("could not be read: %1").arg(problem)});
        return std::nullopt;
    }
    if (!problem.isEmpty())
        notes.append({where, problem});
    ConfigParse parse = parseConfig(*data, where, &source, relative, keep, limits);
    notes.append(parse.notes);
    return parse;
}

} // namespace kestrin::import
