// SPDX-License-Identifier: MIT
#include "importsource.h"

namespace kestrin::import {

QString SourceRef::display() const
{
    QString where = file;
    if (!entry.isEmpty())
        where = where.isEmpty() ? entry : ImportText::tr("%1: %2", "a PBO and an entry in it").arg(file, entry);
    if (line > 0)
        where = ImportText::tr("%1, line %2", "a file and a line in it").arg(where).arg(line);
    return where;
}

QString ImportNote::display() const
{
    return where.isEmpty() ? text : ImportText::tr("%1: %2", "where, then what").arg(where.display(), text);
}

} // namespace kestrin::import
