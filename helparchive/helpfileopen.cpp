// SPDX-License-Identifier: MIT
#include "helpfileopen.h"

#include "readopen.h"

#include <QCoreApplication>

namespace kestrin::help {

OpenedHelpFile openOrdinaryFile(const QString &fileName)
{
    OpenedHelpFile opened;
    auto file = std::make_unique<QFile>();
    // Others may read the file meanwhile (chmlib opens it a second time),
    // but not change it.
    const fileio::ReadOpening opening =
        fileio::openForReading(*file, fileName, fileio::Streams::Refuse, fileio::OthersMay::OnlyRead);
    if (!opening.opened) {
        opened.error = opening.error.isEmpty()
                           ? QCoreApplication::translate("kestrin::help::ChmArchive", "it is not an ordinary file.")
                           : opening.error + QLatin1Char('.');
        return opened;
    }
    opened.chmlibName = sameFileName(*file, fileName);
    opened.file = std::move(file);
    return opened;
}

} // namespace kestrin::help
