// SPDX-License-Identifier: MIT
#include "golden.h"

#include <QFile>

QString crlfLines(const QStringList &lines)
{
    QString out;
    for (const QString &line : lines)
        out += line + QStringLiteral("\r\n");
    return out;
}

QString crlfLines(std::initializer_list<const char *> lines)
{
    QStringList list;
    for (const char *line : lines)
        list << QString::fromUtf8(line);
    return crlfLines(list);
}

QByteArray readFileBytes(const QString &path, bool *ok)
{
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    if (ok)
        *ok = opened;
    return opened ? file.readAll() : QByteArray();
}

bool writeFileBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

std::string visible(const QByteArray &bytes)
{
    std::string out;
    for (char c : bytes) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n\n";
        else if (c == '\t')
            out += "\\t";
        else
            out += c;
    }
    return out;
}

std::string visible(const QString &text)
{
    return visible(text.toUtf8());
}

namespace golden {

static const char *const kForum =
    "You may also try to find a solution on official forums - http://forums.bistudio.com/index.php";

QStringList spInstallation(const char *game)
{
    return {"Installation: ",
            "=================",
            "Move the mission *.pbo file(s) into the directory for the single player missions.",
            QStringLiteral("Typically - C:\\Program Files\\Bohemia Interactive\\%1\\Missions.")
                .arg(QLatin1String(game)),
            "Then you will find this mission(s) in the SP missions list in the game menu.",
            "In case of any problems try to contact author(s).",
            kForum,
            ""};
}

QStringList mpInstallation()
{
    return {"Installation: ",
            "=================",
            "Move the mission *.pbo file(s) into the directory for the multi player missions.",
            "Typically - C:\\Program Files\\Bohemia Interactive\\ArmA 2\\MPMissions.",
            "Then you will find this mission(s) in the MP missions list in the game menu.",
            "In case of any problems try to contact author(s).",
            kForum,
            ""};
}

QStringList addonInstallation()
{
    return {"Installation: ",
            "=================",
            "For the first, create your own addons folder in the game directory.",
            "For example: C:\\Program Files\\Bohemia Interactive\\ArmA 2\\@MyAddons.",
            "Then move all the addon *.pbo file(s) into this directory.",
            "Create the game shortcut on the desktop and in the target properties of this shortcut set following:",
            "\t-mod=@MyAddons",
            "Another option is to use any community made Game MOD Launcher.",
            "Now when you launch a game you will find the addon(s) in the editor.",
            "In case of any problems try to contact author(s).",
            kForum,
            ""};
}

QStringList modInstallation()
{
    return {"Installation: ",
            "=================",
            "For the first, create your own folder for this Mod in the game directory.",
            "For example: C:\\Program Files\\Bohemia Interactive\\ArmA 2\\@MyMod.",
            "Then move all the Mod *.pbo file(s) into this directory keeping the original Mod folder structure.",
            "Create the game shortcut on the desktop and in the target properties of this shortcut set following:",
            "\t-mod=@MyMod",
            "Another option is to use any community made Game MOD Launcher.",
            "Now when you launch a game you will find all the missions and addon(s) implemented in the game.",
            "In case of any problems try to contact author(s).",
            kForum,
            ""};
}

QStringList disclaimerLines()
{
    return {
        "Disclaimer:",
        "=================",
        "Any unauthorized modification of the released files is not allowed without any written permission by the author(s).",
        "You are using those files at your own risk.",
        "Author(s) of those files are not liable for any damage or loss of data caused by using of those files.",
        "Usage of those files is also prohibited for any commercial purposes."};
}

QString footer()
{
    return QStringLiteral("--- ReadMe file created in Kestrin Editor by Vantry ---");
}

QStringList workedExample()
{
    return {"MP mission\t-\tHarbour Raid",
            "=================",
            "Version: 1.2",
            "Author(s): Raid Team",
            "",
            "Release date: 2011-05-01",
            "",
            "Contacts:",
            "=================",
            "Web: http://",
            "Email: @",
            "Skype: raid.team",
            "Other: forum PM to Raid Team",
            "",
            "",
            "Required game: 1.05",
            "=================",
            "",
            "Required addons: ",
            "=================",
            "None - official only",
            "",
            "Installation: ",
            "=================",
            "Copy the mission file into your MPMissions folder.",
            "",
            "Description: ",
            "=================",
            "Take the harbour before dawn.",
            "Up to 8 players.",
            "",
            "Features: ",
            "=================",
            "- night assault",
            "- random enemy patrols",
            "",
            "Notes: ",
            "=================",
            "Tested on dedicated server.",
            "",
            "Credits: ",
            "=================",
            "Thanks to all testers.",
            "",
            "Disclaimer:",
            "=================",
            "Any unauthorized modification of the released files is not allowed without any written "
            "permission by the author(s).",
            "You are using those files at your own risk.",
            "Author(s) of those files are not liable for any damage or loss of data caused by using of "
            "those files.",
            "Usage of those files is also prohibited for any commercial purposes.",
            "",
            "--- ReadMe file created in Kestrin Editor by Vantry ---"};
}

} // namespace golden
