// SPDX-License-Identifier: MIT
#pragma once

#include "memoryform.h"
#include "readmedocument.h"

namespace kestrin {

// The document on an in-memory form, loaded, with nobody to ask and nowhere
// to save: for assembling ReadMe texts without a window.
class OfflineDocument {
    class NoMessages : public MessageBoxService {
    public:
        MessageAnswer show(const MessageRequest &) override { return MessageAnswer::Cancel; }
    };
    class NoDialog : public SaveDialogService {
    public:
        void setFilter(const QString &) override {}
        bool showSave() override { return false; }
        QString fileName() const override { return {}; }
    };
    class NoFiles : public TextFileService {
    public:
        SaveResult writePieces(const QString &, const QList<QStringView> &, const TextEncoder &) override { return {}; }
    };

    NoMessages m_messages;
    NoDialog m_dialog;
    NoFiles m_files;

public:
    OfflineDocument()
        : document(form, m_messages, m_dialog, m_files)
    {
        document.reset();
    }

    MemoryForm form;
    ReadmeDocument document;
};

} // namespace kestrin
