// SPDX-License-Identifier: MIT
#include "templates.h"

#include <QStringList>

namespace kestrin::templates {

namespace {

// The lines joined by CR LF, without a line break after the last.
QString joined(std::initializer_list<QStringView> body)
{
    QString out;
    bool first = true;
    for (QStringView line : body) {
        if (!first)
            out += kCrLf;
        out += line;
        first = false;
    }
    return out;
}

QString forumLine()
{
    return QStringLiteral("You may also try to find a solution on official forums - ") + kForumAddress.toString();
}

QString missionBody(QStringView game, bool multiplayer)
{
    const QString path = QStringLiteral("Typically - C:\\Program Files\\Bohemia Interactive\\") + game.toString()
                         + (multiplayer ? QStringLiteral("\\MPMissions.") : QStringLiteral("\\Missions."));
    const QString forum = forumLine();
    return joined({multiplayer ? u"Move the mission *.pbo file(s) into the directory for the multi player missions."
                               : u"Move the mission *.pbo file(s) into the directory for the single player missions.",
                   path,
                   multiplayer ? u"Then you will find this mission(s) in the MP missions list in the game menu."
                               : u"Then you will find this mission(s) in the SP missions list in the game menu.",
                   u"In case of any problems try to contact author(s).", forum});
}

} // namespace

QString section(QStringView heading, QStringView body)
{
    QString out;
    out.reserve(heading.size() + kUnderline.size() + body.size() + 3 * kCrLf.size());
    for (QStringView piece : {heading, kCrLf, kUnderline, kCrLf, body, kCrLf, kCrLf})
        out += piece;
    return out;
}

QString noneAddonsSection()
{
    return section(kAddonsHeading, kNoneAddons);
}

QString installationBody(InstallationKind kind)
{
    const QString forum = forumLine();
    switch (kind) {
    case InstallationKind::SPMission: return missionBody(u"ArmA 2", false);
    case InstallationKind::MPMission: return missionBody(u"ArmA 2", true);
    case InstallationKind::Addon:
        return joined(
            {u"For the first, create your own addons folder in the game directory.",
             u"For example: C:\\Program Files\\Bohemia Interactive\\ArmA 2\\@MyAddons.",
             u"Then move all the addon *.pbo file(s) into this directory.",
             u"Create the game shortcut on the desktop and in the target properties of this shortcut set following:",
             u"\t-mod=@MyAddons", u"Another option is to use any community made Game MOD Launcher.",
             u"Now when you launch a game you will find the addon(s) in the editor.",
             u"In case of any problems try to contact author(s).", forum});
    case InstallationKind::Mod:
        return joined(
            {u"For the first, create your own folder for this Mod in the game directory.",
             u"For example: C:\\Program Files\\Bohemia Interactive\\ArmA 2\\@MyMod.",
             u"Then move all the Mod *.pbo file(s) into this directory keeping the original Mod folder structure.",
             u"Create the game shortcut on the desktop and in the target properties of this shortcut set following:",
             u"\t-mod=@MyMod", u"Another option is to use any community made Game MOD Launcher.",
             u"Now when you launch a game you will find all the missions and addon(s) implemented in the game.",
             u"In case of any problems try to contact author(s).", forum});
    case InstallationKind::OwnDescription: break;
    }
    return {};
}

QString installationSection(InstallationKind kind)
{
    if (kind == InstallationKind::OwnDescription)
        return {};
    return section(kInstallationHeading, installationBody(kind));
}

QString startupInstallationBody()
{
    return missionBody(u"Arma 2", false);
}

QString installationNotice(InstallationKind kind)
{
    switch (kind) {
    case InstallationKind::SPMission:
        return QStringLiteral("Installation instructions for SP missions will be loaded automatically ...");
    case InstallationKind::MPMission:
        return QStringLiteral("Installation instructions for MP missions will be loaded automatically ...");
    case InstallationKind::Addon:
        return QStringLiteral("Installation instructions for Addons will be loaded automatically ...");
    case InstallationKind::Mod:
        return QStringLiteral("Installation instructions for Mods will be loaded automatically ...");
    case InstallationKind::OwnDescription: return kOwnDescriptionNotice.toString();
    }
    return {};
}

QString disclaimerBody()
{
    return joined(
        {u"Any unauthorized modification of the released files is not allowed without any written permission by the author(s).",
         u"You are using those files at your own risk.",
         u"Author(s) of those files are not liable for any damage or loss of data caused by using of those files.",
         u"Usage of those files is also prohibited for any commercial purposes."});
}

QString disclaimer()
{
    QString text;
    for (QStringView piece : {kDisclaimerHeading, kCrLf, kUnderline, kCrLf})
        text += piece;
    return text + disclaimerBody();
}

} // namespace kestrin::templates
