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

    // Asks for a file name in dialog (with the format's filter), then saves.
    Outcome exportAs(ReadmeFormat format, SaveDialogService &dialog);

    // The text as it would be saved now, for showing and copying.
    QString text(ReadmeFormat format) const { return renderReadme(m_document.currentModel(), format); }

private:
    ReadmeDocument &m_document;
    MessageBoxService &m_messages;
    ByteFileService &m_byteFiles;
};

// "ReadMe file", "BBCode file", "Markdown file", as messages name them.
QString formatFileName(ReadmeFormat format);

} // namespace kestrin
