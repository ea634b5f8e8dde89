// SPDX-License-Identifier: MIT
#pragma once

#include "formharness.h"
#include "memoryform.h"

// A loaded main window in memory, driven like a user drives it; its
// document writes windows-1252 unless told otherwise.
class MemoryHarness : public FormHarness {
public:
    MemoryHarness();

    kestrin::MemoryForm &form() override { return m_form; }
    kestrin::ReadmeDocument &document() override { return m_document; }
    kestrin::ArticleFileController &articleFiles() override { return m_articles; }
    void userClick(kestrin::Control control) override { m_form.click(control); }
    void userType(kestrin::Control control, const QString &text) override;
    void userPickArticle(const QString &kind) override { m_form.setText(kestrin::Control::ArticleKind, kind); }

private:
    kestrin::MemoryForm m_form;
    kestrin::ReadmeDocument m_document;
    kestrin::ArticleFileController m_articles;
};

// The ReadMe text Create writes for an article opened in a new window:
// put on the form as Open puts it, read back as Create reads it.
QString createdReadme(const kestrin::Article &article);
