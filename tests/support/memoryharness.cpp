#include "memoryharness.h"

using namespace kestrin;

MemoryHarness::MemoryHarness()
    : m_document(m_form, messages, dialog, files)
{
    m_document.setCodePage(1252);
    m_document.Form_Load();
}

void MemoryHarness::userType(Control control, const QString &text)
{
    if (m_form.isEnabled(control))
        m_form.setText(control, text);
}
