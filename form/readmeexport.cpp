// SPDX-License-Identifier: MIT
#include "readmeexport.h"

#include <QCoreApplication>

namespace kestrin {

QString formatFileName(ReadmeFormat format)
{
    switch (format) {
    case ReadmeFormat::BBCode: return ReadmeExporter::tr("BBCode file");
    case ReadmeFormat::Markdown: return ReadmeExporter::tr("Markdown file");
    case ReadmeFormat::PlainText: break;
    }
    return ReadmeExporter::tr("ReadMe file");
}

ReadmeExporter::Outcome ReadmeExporter::exportAs(ReadmeFormat format, SaveDialogService &dialog)
{
    // Taken before the dialog opens, as Create assembles before it asks.
    const ReadmeModel model = m_document.currentModel();
    dialog.setFilter(formatFilter(format));
    if (!dialog.showSave())
        return Outcome::Cancelled;
    const QString path = dialog.fileName();
    if (format == ReadmeFormat::PlainText)
        return m_document.writeReadme(path, plainTextPieces(model));

    // Rendered and written chunk by chunk, each format with its own line
    // ends, so that the whole file never exists in memory.
    const SaveResult result = m_byteFiles.writeStream(path, [&model, format](const ByteFileService::ByteWriter &write) {
        renderReadmeUtf8(model, format, write);
    });
    if (!result.ok) {
        m_messages.show({ReadmeExporter::tr("The %1 could not be saved to %2:\r\n%3")
                             .arg(formatFileName(format), path, result.error),
                         kProgramTitle, MessageButtons::Ok, MessageIcon::Warning, MessageAnswer::Ok});
        return Outcome::Failed;
    }
    m_messages.show({ReadmeExporter::tr("%1 created successfully ...").arg(formatFileName(format)), kProgramTitle,
                     MessageButtons::Ok, MessageIcon::Information, MessageAnswer::Ok});
    return Outcome::Saved;
}

} // namespace kestrin
