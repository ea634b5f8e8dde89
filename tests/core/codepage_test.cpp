// SPDX-License-Identifier: MIT
// The code page that stands for the system's ANSI code page, the encoding
// into it, and the question about characters it cannot hold.
#include "atomicfileservice.h"
#include "codepage.h"
#include "contract_suite.h"
#include "memoryform.h"

#include <gtest/gtest.h>

#include <QFile>

using namespace kestrin;

TEST(CodePage, LocaleGivesTheWindowsCodePage)
{
    struct Case {
        const char *locale;
        int codePage;
    };
    const Case cases[] = {
        {"cs_CZ", 1250}, {"sk_SK", 1250}, {"pl_PL", 1250}, {"hu_HU", 1250},      {"sl_SI", 1250}, {"hr_HR", 1250},
        {"ro_RO", 1250}, {"sq_AL", 1250}, {"bs_BA", 1250}, {"sr_Latn_RS", 1250}, {"ru_RU", 1251}, {"uk_UA", 1251},
        {"be_BY", 1251}, {"bg_BG", 1251}, {"mk_MK", 1251}, {"sr_Cyrl_RS", 1251}, {"kk_KZ", 1251}, {"el_GR", 1253},
        {"tr_TR", 1254}, {"az_AZ", 1254}, {"he_IL", 1255}, {"ar_EG", 1256},      {"fa_IR", 1256}, {"ur_PK", 1256},
        {"et_EE", 1257}, {"lv_LV", 1257}, {"lt_LT", 1257}, {"vi_VN", 1258},      {"en_US", 1252}, {"de_DE", 1252},
        {"fr_FR", 1252}, {"pt_BR", 1252}, {"ja_JP", 1252}, {"C", 1252},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ansiCodePageForLocale(QLocale(QLatin1String(c.locale))), c.codePage) << c.locale;
}

TEST(CodePage, EncodesIntoEachCodePage)
{
    struct Case {
        int codePage;
        QString text;
        QByteArray bytes;
    };
    const Case cases[] = {
        {1252, QStringLiteral("plain ASCII\r\n\t~"), QByteArray("plain ASCII\r\n\t~")},
        {1252, QStringLiteral("€ café ©"), QByteArray("\x80 caf\xE9 \xA9")},
        {1250, QStringLiteral("Příliš žluťoučký kůň"), QByteArray("P\xF8\xEDli\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2")},
        {1250, QStringLiteral("Łódź"), QByteArray("\xA3\xF3\x64\x9F")},
        {1251, QStringLiteral("Жук ё"), QByteArray("\xC6\xF3\xEA \xB8")},
        {1253, QStringLiteral("Ωμέγα"), QByteArray("\xD9\xEC\xDD\xE3\xE1")},
        {1254, QStringLiteral("ğış"), QByteArray("\xF0\xFD\xFE")},
        {1255, QStringLiteral("שלום"), QByteArray("\xF9\xEC\xE5\xED")},
        {1256, QStringLiteral("سلام"), QByteArray("\xD3\xE1\xC7\xE3")},
        {1257, QStringLiteral("ąčė"), QByteArray("\xE0\xE8\xEB")},
        // Vietnamese: composed letters become a base letter and combining marks.
        {1258, QStringLiteral("ê ệ"), QByteArray("\xEA \xEA\xF2")},
    };
    for (const Case &c : cases) {
        const TextEncoder e = TextEncoder::codePage(c.codePage);
        EXPECT_TRUE(e.canEncode(c.text)) << c.codePage;
        EXPECT_EQ(e.encode(c.text), c.bytes) << c.codePage << " " << visible(c.text);
    }
}

TEST(CodePage, FindsAndReplacesWhatItCannotHold)
{
    const TextEncoder strict = TextEncoder::codePage(1252);
    const QString text = QStringLiteral("ok\r\nŁódź 😀\nŁ");
    EXPECT_FALSE(strict.canEncode(text));
    const QList<UnmappableChar> found = strict.unmappable(text);
    ASSERT_EQ(found.size(), 4);
    const std::pair<char32_t, std::pair<int, int>> expected[] = {{0x141, {2, 1}},
                                                                 {0x17A, {2, 4}},
                                                                 {0x1F600, {2, 6}},
                                                                 {0x141, {3, 1}}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(found[i].codePoint, expected[i].first);
        EXPECT_EQ(found[i].line, expected[i].second.first);
        EXPECT_EQ(found[i].column, expected[i].second.second);
    }
    bool more = true;
    EXPECT_EQ(strict.distinctUnmappable(text, 10, &more), (QList<char32_t>{0x141, 0x17A, 0x1F600}));
    EXPECT_FALSE(more);
    EXPECT_EQ(strict.distinctUnmappable(text, 2, &more).size(), 2);
    EXPECT_TRUE(more);

    // A surrogate pair is one character and becomes one "?".
    EXPECT_EQ(TextEncoder::codePage(1252, true).encode(text), QByteArray("ok\r\n?\xF3\x64? ?\n?"));
    EXPECT_EQ(TextEncoder::utf8(true).encode(QStringLiteral("Ł")), QByteArray("\xEF\xBB\xBF\xC5\x81"));
    EXPECT_EQ(TextEncoder::utf8(false).encode(QStringLiteral("Ł")), QByteArray("\xC5\x81"));
    EXPECT_TRUE(TextEncoder::utf8(true).unmappable(text).isEmpty());
}

TEST(CodePage, ChunksNeverSplitASurrogatePair)
{
    const QString text = QStringLiteral("a😀b");
    EXPECT_EQ(chunkEnd(text, 1), 1);
    EXPECT_EQ(chunkEnd(text, 2), 1);
    EXPECT_EQ(chunkEnd(text, 3), 3);
    EXPECT_EQ(chunkEnd(text, 99), text.size());
}

namespace {

class Question : public ::testing::Test {
protected:
    Question()
        : document(form, messages, dialog, files)
    {
        document.setCodePage(1252);
        document.reset();
        form.setText(Control::Name, QStringLiteral("Łódź 😀"));
        path = dir.filePath(QStringLiteral("r.txt"));
        dialog.chooseNext(path);
    }

    MemoryForm form;
    ScriptedMessageBox messages;
    ScriptedSaveDialog dialog;
    AtomicTextFileService files;
    ReadmeDocument document;
    QTemporaryDir dir;
    QString path;
};

} // namespace

TEST_F(Question, IsAskedBeforeSavingCharactersTheCodePageCannotHold)
{
    struct Case {
        MessageAnswer answer;
        QByteArray firstLine; // nullptr: no file
    };
    const Case cases[] = {
        {MessageAnswer::Yes,
         QByteArray("\xEF\xBB\xBFSP mission\t-\t\xC5\x81\xC3\xB3\x64\xC5\xBA \xF0\x9F\x98\x80\r\n")},
        {MessageAnswer::No, QByteArray("SP mission\t-\t?\xF3\x64? ?\r\n")},
        {MessageAnswer::Cancel, QByteArray()},
    };
    for (const Case &c : cases) {
        QFile::remove(path);
        messages.clear();
        dialog.chooseNext(path);
        messages.answerNext(c.answer);
        document.create();
        ASSERT_GE(messages.shown().size(), 1);
        const MessageRequest &q = messages.shown().front();
        EXPECT_EQ(q.buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(q.icon, MessageIcon::Warning);
        EXPECT_EQ(q.title, QStringLiteral("Kestrin Editor"));
        EXPECT_TRUE(q.prompt.contains(QStringLiteral("windows-1252")));
        EXPECT_TRUE(q.prompt.contains(QStringLiteral("Ł (U+0141)"))) << visible(q.prompt);
        EXPECT_TRUE(q.prompt.contains(QStringLiteral("ź (U+017A)")));
        EXPECT_TRUE(q.prompt.contains(QStringLiteral("😀 (U+1F600)")));
        EXPECT_FALSE(q.prompt.contains(QStringLiteral("U+00F3"))); // ó is in windows-1252
        bool exists = false;
        const QByteArray written = readFileBytes(path, &exists);
        if (c.firstLine.isEmpty()) {
            EXPECT_FALSE(exists);
            EXPECT_EQ(messages.shown().size(), 1); // no success message
        } else {
            EXPECT_TRUE(written.startsWith(c.firstLine)) << visible(written.left(60));
            EXPECT_EQ(messages.shown().size(), 2);
            EXPECT_EQ(messages.shown().back().prompt, QStringLiteral("ReadMe file created successfully ..."));
        }
    }
}

TEST_F(Question, IsNotAskedWhenTheCodePageHoldsTheText)
{
    document.setCodePage(1250);
    form.setText(Control::Name, QStringLiteral("Łódź"));
    messages.answerNext(MessageAnswer::Ok);
    document.create();
    EXPECT_EQ(messages.prompts(), QStringList{"ReadMe file created successfully ..."});
    EXPECT_TRUE(readFileBytes(path).startsWith("SP mission\t-\t\xA3\xF3\x64\x9F\r\n"));
}
