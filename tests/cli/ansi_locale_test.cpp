// The locale's code page when the locale's name says the script.
#include "clitestsupport.h"

#include <gtest/gtest.h>

TEST(AnsiLocale, ALatinModifierPicksTheCentralEuropeanCodePage)
{
    struct Case {
        const char *locale;
        const char *named;
    };
    const Case cases[] = {
        {"sr_RS.UTF-8@latin", "here windows-1250)"},
        {"sr_RS.UTF-8", "here windows-1251)"},
        {"be_BY.UTF-8@latin", "here windows-1250)"},
    };
    for (const Case &c : cases) {
        CliRun run;
        run.args = QStringList{QStringLiteral("--help")};
        run.locale = QString::fromLatin1(c.locale);
        const CliResult r = runCli(run);
        EXPECT_TRUE(r.out.contains(c.named)) << c.locale;
    }
}
