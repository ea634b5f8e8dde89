#include "readmeexport.h"

#include <QCoreApplication>

namespace kestrin {

QString formatFileName(ReadmeFormat format)
{
    switch (format) {
    case ReadmeFormat::BBCode: return QCoreApplication::translate("kestrin::ReadmeExporter", "BBCode file");
    case ReadmeFormat::Markdown: return QCoreApplication::translate("kestrin::ReadmeExporter", "Markdown file");
    case ReadmeFormat::PlainText: break;
    }
    return QCoreApplication::translate("kestrin::ReadmeExporter", "ReadMe file");
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

    SaveResult result;
    if (format == ReadmeFormat::BBCode) {
        // Written piece by piece, as the plain text is: the text writer ends
        // it with the CR LF that BBCode ends with.
        ReadmePieces text = renderReadmePieces(model, format);
        Q_ASSERT(!text.pieces.isEmpty() && text.pieces.constLast() == u"\r\n");
        text.pieces.removeLast();
        result = m_textFiles.writePieces(path, text.pieces, TextEncoder::utf8(false));
    } else {
        // Markdown ends with LF: the bytes are written as they are.
        result = m_byteFiles.writeBytes(path, renderReadmeUtf8(model, format));
    }
    if (!result.ok) {
        m_messages.show(
            {QCoreApplication::translate("kestrin::ReadmeExporter", "The %1 could not be saved to %2:\r\n%3")
                 .arg(formatFileName(format), path, result.error),
             kProgramTitle, MessageButtons::Ok, MessageIcon::Warning, MessageAnswer::Ok});
        return Outcome::Failed;
    }
    m_messages.show({QCoreApplication::translate("kestrin::ReadmeExporter", "%1 created successfully ...")
                         .arg(formatFileName(format)),
                     kProgramTitle, MessageButtons::Ok, MessageIcon::Information, MessageAnswer::Ok});
    return Outcome::Saved;
}

} // namespace kestrin
