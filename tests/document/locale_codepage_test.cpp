// The code page of a POSIX locale name, whose modifier may name the script.
#include "codepage.h"

#include <gtest/gtest.h>

using namespace kestrin;

TEST(LocaleName, TheScriptModifierDecidesBetweenLatinAndCyrillic)
{
    struct Case {
        const char *name;
        int codePage;
    };
    const Case cases[] = {
        {"sr_RS@latin", 1250},
        {"sr_RS.UTF-8@latin", 1250},
        {"sr_ME.UTF-8@latin", 1250},
        {"sr_RS.UTF-8", 1251},
        {"be_BY.UTF-8@latin", 1250},
        {"be_BY.UTF-8", 1251},
        {"uz_UZ.UTF-8@cyrillic", 1251},
        {"bs_BA.UTF-8", 1250},
        {"ru_RU.UTF-8", 1251},
        {"mn_MN.UTF-8", 1251},
        {"de_DE@euro", 1252},
        {"ca_ES.UTF-8@valencia", 1252},
        {"pl_PL", 1250},
        {"C", 1252},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ansiCodePageForLocaleName(QString::fromLatin1(c.name)), c.codePage) << c.name;
}
