// SPDX-License-Identifier: MIT
// The locale's code page when a modifier of the locale's name names the
// script.
#include "clitestsupport.h"

#include <gtest/gtest.h>

TEST(AnsiLocale, AScriptModifierDecidesBetweenLatinAndCyrillic)
{
    const std::pair<const char *, const char *> cases[] = {
        {"sr_RS.UTF-8@latin", "windows-1250"}, {"sr_RS.UTF-8", "windows-1251"},
        {"be_BY.UTF-8@latin", "windows-1250"}, {"uz_UZ.UTF-8@cyrillic", "windows-1251"},
        {"mn_MN.UTF-8", "windows-1251"},       {"ca_ES.UTF-8@valencia", "windows-1252"},
    };
    for (const auto &[locale, codePage] : cases) {
        CliRun run;
        run.args = QStringList{QStringLiteral("--help")};
        run.locale = QString::fromLatin1(locale);
        EXPECT_TRUE(runCli(run).out.contains(QByteArray("here ") + codePage + ")")) << locale;
    }
}
