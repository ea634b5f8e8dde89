// SPDX-License-Identifier: MIT
// How Windows reads file names: the reserved device names and the
// extended-length form of a path.
#include "windowspaths.h"

#include <gtest/gtest.h>

using namespace kestrin;

TEST(WindowsPaths, ReservedDeviceNames)
{
    const std::pair<const char16_t *, bool> cases[] = {
        {u"NUL", true},           {u"nul", true},         {u"Nul.txt", true},  {u"NUL.tar.gz", true},
        {u"CON", true},           {u"con .txt", true},    {u"PRN", true},      {u"AUX", true},
        {u"COM1", true},          {u"com9.log", true},    {u"LPT1", true},     {u"lpt5.txt", true},
        {u"COM\u00B9", true},     {u"LPT\u00B3", true},   {u"CONIN$", true},   {u"CONOUT$", true},
        {u"COM0", false},         {u"LPT0", false},       {u"COM10", false},   {u"NULL", false},
        {u"nul_file.txt", false}, {u"ReadMe.txt", false}, {u"CONSOLE", false}, {u"", false},
        {u"AUXILIARY", false},    {u"my NUL", false},     {u".NUL", false},    {u"COMA", false},
    };
    for (const auto &[name, reserved] : cases)
        EXPECT_EQ(isReservedDeviceName(QString::fromUtf16(name)), reserved) << QString::fromUtf16(name).toStdString();
}

TEST(WindowsPaths, ExtendedLengthForm)
{
    const std::pair<const char *, const char *> cases[] = {
        {"C:/Users/Ann/ReadMe.txt", R"(\\?\C:\Users\Ann\ReadMe.txt)"},
        {R"(C:\Users\Ann\ReadMe.txt)", R"(\\?\C:\Users\Ann\ReadMe.txt)"},
        {"C:/Users/Ann/./x/../ReadMe.txt", R"(\\?\C:\Users\Ann\ReadMe.txt)"},
        {"C:/a//b/ReadMe.txt", R"(\\?\C:\a\b\ReadMe.txt)"},
        {R"(\\server\share\mods\ReadMe.txt)", R"(\\?\UNC\server\share\mods\ReadMe.txt)"},
        {"//server/share/ReadMe.txt", R"(\\?\UNC\server\share\ReadMe.txt)"},
        {R"(\\?\C:\already\long.txt)", R"(\\?\C:\already\long.txt)"},
        {R"(\\.\COM1)", R"(\\.\COM1)"},
    };
    for (const auto &[path, expected] : cases)
        EXPECT_EQ(extendedLengthPath(QString::fromLatin1(path)), QString::fromLatin1(expected)) << path;
}
