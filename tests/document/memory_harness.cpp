// Runs the behaviour suite against the in-memory controls.
#include "contract_suite.h"
#include "memoryform.h"

using namespace kestrin;

namespace {

class MemoryHarness : public FormHarness {
public:
    MemoryHarness()
        : m_document(m_form, messages, dialog, files)
    {
        m_document.setCodePage(1252);
        m_document.Form_Load();
    }

    ControlAccess &form() override { return m_form; }
    ReadmeDocument &document() override { return m_document; }
    void userClick(Control control) override { m_form.click(control); }
    void userType(Control control, const QString &text) override
    {
        if (m_form.isEnabled(control))
            m_form.setText(control, text);
    }
    void userPickArticle(const QString &kind) override { m_form.setText(Control::ArticleCombo, kind); }

private:
    MemoryForm m_form;
    ReadmeDocument m_document;
};

} // namespace

KESTRIN_INSTANTIATE_CONTRACT(Memory, [] { return std::unique_ptr<FormHarness>(new MemoryHarness); });

TEST(MemoryForm, DesignTableIsIndexedByControl)
{
    for (int i = 0; i < kControlCount; ++i) {
        EXPECT_EQ(int(design(Control(i)).id), i) << design(Control(i)).name;
        EXPECT_EQ(controlByName(QString::fromLatin1(design(Control(i)).name)), Control(i));
    }
    EXPECT_FALSE(controlByName(u"NoSuchControl").has_value());
}
