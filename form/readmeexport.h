// SPDX-License-Identifier: MIT
#pragma once

#include "readmedocument.h"
#include "readmeformats.h"

#include <QCoreApplication>

namespace kestrin {

// Saves the ReadMe in a chosen format, from what Create would assemble at
// that moment, without changing anything Create or the document keep. The
// plain text is saved exactly as Create saves it (code page, the question
// about characters it cannot hold, the messages); BBCode and Markdown are
// written in UTF-8. Every save replaces its file atomically.
class ReadmeExporter {
    Q_DECLARE_TR_FUNCTIONS(kestrin::ReadmeExporter)

public:
    using Outcome = ReadmeDocument::CreateOutcome;

    ReadmeExporter(ReadmeDocument &document, MessageBoxService &messages, ByteFileService &byteFiles)
        : m_document(document)
        , m_messages(messages)
        , m_byteFiles(byteFiles)
    {
    }

    // Who asks: File > Export, or the preview's Save As.
    enum class Caller { Export, Preview };

    // Asks for a file name in dialog (titled for what it does, with the
    // format's own filter, proposing the article's name with the format's
    // extension, in `folder` unless the dialog remembers one), then saves.
    // A name chosen without an extension gets the format's.
    Outcome exportAs(ReadmeFormat format, SaveDialogService &dialog, Caller caller = Caller::Export,
                     const QString &folder = QString());

    // "Export as BBCode", "Export as Markdown"; "Save Preview As" for the preview.
    static QString dialogTitle(ReadmeFormat format, Caller caller);
    // "txt", "bbcode.txt", "md": forum posts never share the ReadMe's *.txt.
    static QString fileExtension(ReadmeFormat format);
    // "description|pattern|..." as SaveDialogService::setFilter takes it.
    static QString dialogFilter(ReadmeFormat format);
    // The article's name made a file name, with the format's extension.
    static QString proposedFileName(const QString &articleName, ReadmeFormat format);

    // The text as it would be saved now, for showing and copying.
    QString text(ReadmeFormat format) const { return renderReadme(m_document.model(), format); }

private:
    ReadmeDocument &m_document;
    MessageBoxService &m_messages;
    ByteFileService &m_byteFiles;
};

} // namespace kestrin
