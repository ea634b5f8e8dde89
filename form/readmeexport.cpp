// SPDX-License-Identifier: MIT
#include "readmeexport.h"

#include "articlefilecontroller.h"
#include "plaintextrenderer.h"

#include <QDir>
#include <QFileInfo>

#include <QCoreApplication>

namespace kestrin {

QString ReadmeExporter::dialogTitle(ReadmeFormat format, Caller caller)
{
    if (caller == Caller::Preview)
        return tr("Save Preview As");
    switch (format) {
    case ReadmeFormat::BBCode: return tr("Export as BBCode");
    case ReadmeFormat::Markdown: return tr("Export as Markdown");
    case ReadmeFormat::PlainText: break;
    }
    return tr("Save ReadMe As");
}

QString ReadmeExporter::fileExtension(ReadmeFormat format)
{
    switch (format) {
    case ReadmeFormat::BBCode: return QStringLiteral("bbcode.txt");
    case ReadmeFormat::Markdown: return QStringLiteral("md");
    case ReadmeFormat::PlainText: break;
    }
    return QStringLiteral("txt");
}

QString ReadmeExporter::dialogFilter(ReadmeFormat format)
{
    const QString all = QLatin1Char('|') + tr("All files") + QStringLiteral("|*");
    switch (format) {
    case ReadmeFormat::BBCode: return tr("BBCode forum posts") + QStringLiteral("|*.bbcode.txt") + all;
    case ReadmeFormat::Markdown: return tr("Markdown files") + QStringLiteral("|*.md") + all;
    case ReadmeFormat::PlainText: break;
    }
    // The ReadMe's own, as Create shows it.
    return QStringLiteral("*.txt|*.txt");
}

QString ReadmeExporter::proposedFileName(const QString &articleName, ReadmeFormat format)
{
    QString name = ArticleFileController::proposedFileName(articleName);
    name.chop(qsizetype(sizeof(".json") - 1));
    return name + QLatin1Char('.') + fileExtension(format);
}

ReadmeExporter::Outcome ReadmeExporter::exportAs(ReadmeFormat format, SaveDialogService &dialog, Caller caller,
                                                 const QString &folder)
{
    // Taken before the dialog opens, as Create assembles before it asks.
    const ReadmeModel model = m_document.model();
    dialog.setFilter(dialogFilter(format));
    dialog.propose({dialogTitle(format, caller), proposedFileName(model.name, format), fileExtension(format), folder});
    if (!dialog.showSave())
        return Outcome::Cancelled;
    QString path = dialog.fileName();
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + fileExtension(format);
    if (format == ReadmeFormat::PlainText)
        return m_document.writeReadme(path, plainTextPieces(model));

    // Rendered and written chunk by chunk, each format with its own line
    // ends, so that the whole file never exists in memory.
    const SaveResult result = m_byteFiles.writeStream(path, [&model, format](const ByteFileService::ByteWriter &write) {
        renderReadmeUtf8(model, format, write);
    });
    const bool bbcode = format == ReadmeFormat::BBCode;
    if (result.cancelled)
        return Outcome::Cancelled;
    if (!result.ok) {
        const QString prompt = bbcode ? tr("The BBCode file could not be saved to %1:\r\n%2")
                                      : tr("The Markdown file could not be saved to %1:\r\n%2");
        m_messages.show({prompt.arg(QDir::toNativeSeparators(path), result.error), kProgramTitle, MessageButtons::Ok,
                         MessageIcon::Warning, MessageAnswer::Ok});
        return Outcome::Failed;
    }
    m_messages.show({bbcode ? tr("BBCode file created successfully ...") : tr("Markdown file created successfully ..."),
                     kProgramTitle, MessageButtons::Ok, MessageIcon::Information, MessageAnswer::Ok});
    return Outcome::Saved;
}

} // namespace kestrin
