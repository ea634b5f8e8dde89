// SPDX-License-Identifier: MIT
#include "memoryharness.h"

#include "plaintextrenderer.h"

using namespace kestrin;

MemoryHarness::MemoryHarness()
    : m_document(m_form, messages, dialog, files)
    , m_articles(m_form, m_document, messages, articleDialog, files, recent, dialog)
{
    m_document.setCodePage(1252);
    m_document.reset();
    m_articles.markStartState();
}

void MemoryHarness::userType(Control control, const QString &text)
{
    if (m_form.isEnabled(control))
        m_form.setText(control, text);
}

QString createdReadme(const Article &article)
{
    MemoryHarness window;
    window.document().applyArticle(article);
    return plainText(window.document().model());
}
