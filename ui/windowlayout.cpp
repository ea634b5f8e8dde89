// SPDX-License-Identifier: MIT
#include "windowlayout.h"

#include "pngiconengine.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QScreen>
#include <QStringList>
#include <QWidget>

#include <array>

namespace kestrin::ui {

namespace {

using K = WidgetKind;
using P = TabPage;

// name, kind, page, left, top, width, height, tab index, tool tip, caption, buddy, right-aligned
constexpr std::array<ControlPlacement, 52> kPlacements{{
    // Basic data: the labels end flush just before the fields.
    {"Label4", K::Label, P::BasicData, 720, 600, 615, 255, 12, nullptr, QT_TRANSLATE_NOOP("WindowLayout", "Article:"),
     "ArticleCombo", true},
    {"ArticleCombo", K::ComboBox, P::BasicData, 1440, 600, 1575, 315, 11,
     QT_TRANSLATE_NOOP("WindowLayout", "Select your article"), nullptr, nullptr},
    {"Label16", K::Label, P::BasicData, 600, 1080, 735, 255, 50, nullptr, QT_TRANSLATE_NOOP("WindowLayout", "Name:"),
     "ArticleNameText", true},
    {"ArticleNameText", K::LineEdit, P::BasicData, 1440, 1080, 5055, 285, 49,
     QT_TRANSLATE_NOOP("WindowLayout", "Put your article name here"), nullptr, nullptr},
    {"Label21", K::Label, P::BasicData, 600, 1560, 735, 255, 7, nullptr, QT_TRANSLATE_NOOP("WindowLayout", "Version:"),
     "VersionText", true},
    {"VersionText", K::LineEdit, P::BasicData, 1440, 1560, 5055, 285, 3,
     QT_TRANSLATE_NOOP("WindowLayout", "Put your article version here"), nullptr, nullptr},
    {"Label20", K::Label, P::BasicData, 360, 2040, 975, 255, 6, nullptr,
     QT_TRANSLATE_NOOP("WindowLayout", "Author(s):"), "AuthorText", true},
    {"AuthorText", K::MultiLineEdit, P::BasicData, 1440, 2040, 5055, 1005, 2,
     QT_TRANSLATE_NOOP("WindowLayout", "Names of authors"), nullptr, nullptr},
    {"Label22", K::Label, P::BasicData, 120, 3240, 1215, 255, 8, nullptr,
     QT_TRANSLATE_NOOP("WindowLayout", "Release date:"), "ReleaseText", true},
    {"ReleaseText", K::LineEdit, P::BasicData, 1440, 3240, 5055, 285, 4,
     QT_TRANSLATE_NOOP("WindowLayout", "Release date for your article"), nullptr, nullptr},
    {"Label12", K::Label, P::BasicData, 840, 3960, 495, 255, 21, nullptr, QT_TRANSLATE_NOOP("WindowLayout", "Web:"),
     "ContactText1", true},
    {"ContactText1", K::LineEdit, P::BasicData, 1440, 3960, 5295, 285, 5,
     QT_TRANSLATE_NOOP("WindowLayout", "Home page"), nullptr, nullptr},
    {"Label13", K::Label, P::BasicData, 720, 4320, 615, 255, 22, nullptr, QT_TRANSLATE_NOOP("WindowLayout", "Email:"),
     "ContactText2", true},
    {"ContactText2", K::LineEdit, P::BasicData, 1440, 4320, 5295, 285, 9,
     QT_TRANSLATE_NOOP("WindowLayout", "Contact email address"), nullptr, nullptr},
    {"SkypeLabel", K::Label, P::BasicData, 720, 4680, 615, 255, 23, nullptr,
     QT_TRANSLATE_NOOP("WindowLayout", "Skype:"), "ContactText3", true},
    {"ContactText3", K::LineEdit, P::BasicData, 1440, 4680, 4335, 285, 15,
     QT_TRANSLATE_NOOP("WindowLayout", "Skype name contact"), nullptr, nullptr},
    {"SkypeCheck", K::CheckBox, P::BasicData, 5880, 4680, 855, 255, 18, nullptr, nullptr, nullptr},
    {"ICQLabel", K::Label, P::BasicData, 840, 5040, 495, 255, 24, nullptr, QT_TRANSLATE_NOOP("WindowLayout", "ICQ:"),
     "ContactText4", true},
    {"ContactText4", K::LineEdit, P::BasicData, 1440, 5040, 4335, 285, 16,
     QT_TRANSLATE_NOOP("WindowLayout", "ICQ number contact"), nullptr, nullptr},
    {"ICQCheck", K::CheckBox, P::BasicData, 5880, 5040, 855, 255, 19, nullptr, nullptr, nullptr},
    {"OtherLabel", K::Label, P::BasicData, 480, 5400, 855, 255, 25, nullptr,
     QT_TRANSLATE_NOOP("WindowLayout", "Other:"), "ContactText5", true},
    {"ContactText5", K::MultiLineEdit, P::BasicData, 1440, 5400, 4335, 1245, 17,
     QT_TRANSLATE_NOOP("WindowLayout", "Other contacts"), nullptr, nullptr},
    {"OtherCheck", K::CheckBox, P::BasicData, 5880, 5400, 855, 255, 20, nullptr, nullptr, nullptr},

    // Requirements.
    {"Label1", K::Label, P::Requirements, 120, 600, 1575, 255, 10, nullptr,
     QT_TRANSLATE_NOOP("WindowLayout", "Required game:"), "RequiredGameText"},
    {"RequiredGameText", K::LineEdit, P::Requirements, 1680, 600, 5055, 285, 13,
     QT_TRANSLATE_NOOP("WindowLayout", "Minimal required game version"), nullptr, nullptr},
    {"Label2", K::Label, P::Requirements, 120, 1200, 1935, 255, 51, nullptr,
     QT_TRANSLATE_NOOP("WindowLayout", "Required addons:"), "AddonsText"},
    {"AddonsCheck1", K::CheckBox, P::Requirements, 1920, 1200, 2175, 255, 52, nullptr, nullptr, nullptr},
    {"AddonsCheck2", K::CheckBox, P::Requirements, 4200, 1200, 1575, 255, 53, nullptr, nullptr, nullptr},
    {"AddonsText", K::MultiLineEdit, P::Requirements, 120, 1560, 6615, 3525, 14,
     QT_TRANSLATE_NOOP("WindowLayout", "List of required addons"), nullptr, nullptr},
    {"Label11", K::Label, P::Requirements, 120, 5160, 6615, 615, 48, nullptr,
     QT_TRANSLATE_NOOP(
         "WindowLayout",
         "Note:\r\nMore addons and their download links can be added later, after creation of this ReadMe file ..."),
     nullptr},

    // Installation: the five options form one group.
    {"Label3", K::Label, P::Installation, 120, 600, 2415, 255, 47, nullptr,
     QT_TRANSLATE_NOOP("WindowLayout", "Installation instructions for:"), nullptr},
    {"SPmissionOption", K::OptionButton, P::Installation, 120, 960, 1335, 255, 42, nullptr, nullptr, nullptr},
    {"MPmissionOption", K::OptionButton, P::Installation, 1560, 960, 1335, 255, 41, nullptr, nullptr, nullptr},
    {"AddonOption", K::OptionButton, P::Installation, 3000, 960, 855, 255, 45, nullptr, nullptr, nullptr},
    {"ModOption", K::OptionButton, P::Installation, 4080, 960, 855, 255, 44, nullptr, nullptr, nullptr},
    {"OwnDescriptionOption", K::OptionButton, P::Installation, 4920, 960, 1695, 255, 43, nullptr, nullptr, nullptr},
    {"InstallationText", K::MultiLineEdit, P::Installation, 120, 1320, 6615, 5295, 46,
     QT_TRANSLATE_NOOP("WindowLayout", "Write here your own installation isntructions"), nullptr, nullptr},

    // Details: each "Allow" box at the right end of its field's caption row.
    {"Label5", K::Label, P::Details, 120, 600, 1095, 255, 40, nullptr,
     QT_TRANSLATE_NOOP("WindowLayout", "Description:"), "DescriptionText"},
    {"DescriptionText", K::MultiLineEdit, P::Details, 120, 840, 6615, 1215, 36,
     QT_TRANSLATE_NOOP("WindowLayout", "Description for your article"), nullptr, nullptr},
    {"Label6", K::Label, P::Details, 120, 2160, 855, 255, 39, nullptr, QT_TRANSLATE_NOOP("WindowLayout", "Features:"),
     "ContentText"},
    {"ContentCheck", K::CheckBox, P::Details, 5880, 2160, 855, 255, 32, nullptr, nullptr, nullptr},
    {"ContentText", K::MultiLineEdit, P::Details, 120, 2400, 6615, 1215, 35,
     QT_TRANSLATE_NOOP("WindowLayout", "Interesting features in your article"), nullptr, nullptr},
    {"Label7", K::Label, P::Details, 120, 3720, 2175, 255, 38, nullptr,
     QT_TRANSLATE_NOOP("WindowLayout", "Changelog/known bugs:"), "ChangelogText"},
    {"ChangelogCheck", K::CheckBox, P::Details, 5880, 3720, 855, 255, 31, nullptr, nullptr, nullptr},
    {"ChangelogText", K::MultiLineEdit, P::Details, 120, 3960, 6615, 1215, 34,
     QT_TRANSLATE_NOOP("WindowLayout", "Changelog or list of known bugs"), nullptr, nullptr},
    {"Label8", K::Label, P::Details, 120, 5280, 615, 255, 37, nullptr, QT_TRANSLATE_NOOP("WindowLayout", "Notes:"),
     "ClassnamesText"},
    {"ClassnamesCheck", K::CheckBox, P::Details, 5880, 5280, 855, 255, 30, nullptr, nullptr, nullptr},
    {"ClassnamesText", K::MultiLineEdit, P::Details, 120, 5520, 6615, 1215, 33,
     QT_TRANSLATE_NOOP("WindowLayout", "Just notes"), nullptr, nullptr},

    // Credits.
    {"Label9", K::Label, P::Credits, 120, 600, 1815, 255, 29, nullptr,
     QT_TRANSLATE_NOOP("WindowLayout", "Credits and thanks:"), "CreditsText"},
    {"CreditsText", K::MultiLineEdit, P::Credits, 120, 840, 6615, 3615, 26,
     QT_TRANSLATE_NOOP("WindowLayout", "Put here all the credits and thanks"), nullptr, nullptr},
    {"Label10", K::Label, P::Credits, 120, 4680, 3615, 255, 28, nullptr,
     QT_TRANSLATE_NOOP("WindowLayout", "Disclaimer (will be added automatically):"), "DisclaimerText"},
    {"DisclaimerText", K::ReadOnlyField, P::Credits, 120, 5040, 6615, 1695, 27,
     QT_TRANSLATE_NOOP("WindowLayout", "Automatic disclaimer"), nullptr, nullptr},
}};

} // namespace

std::span<const ControlPlacement> controlPlacements()
{
    return kPlacements;
}

QString tabCaption(TabPage page)
{
    static const char *const captions[kTabPageCount] = {QT_TRANSLATE_NOOP("WindowLayout", "Basic data"),
                                                        QT_TRANSLATE_NOOP("WindowLayout", "Requirements"),
                                                        QT_TRANSLATE_NOOP("WindowLayout", "Installation"),
                                                        QT_TRANSLATE_NOOP("WindowLayout", "Details"),
                                                        QT_TRANSLATE_NOOP("WindowLayout", "Credits")};
    return layoutText(captions[int(page)]);
}

QString layoutText(const char *text)
{
    return QCoreApplication::translate("WindowLayout", text);
}

QString controlCaption(const ControlDesign &design)
{
    return QCoreApplication::translate("Controls", design.text.toUtf8().constData());
}

QRect pageRect(const ControlPlacement &p)
{
    return {pixels(p.left), pixels(p.top - kTabStripTwips), pixels(p.width), pixels(p.height)};
}

std::optional<Control> documentControl(const ControlPlacement &placement)
{
    return controlByName(QString::fromLatin1(placement.name));
}

QStringList installedFamilies(const QStringList &wanted)
{
    // A family that several foundries make is listed as "Family [Foundry]".
    QStringList installed = QFontDatabase::families();
    for (QString &family : installed)
        family = family.section(QLatin1String(" ["), 0, 0);
    QStringList found;
    for (const QString &family : wanted) {
        if (installed.contains(family, Qt::CaseInsensitive))
            found.append(family);
    }
    return found.isEmpty() ? wanted : found;
}

QFont windowFont(qreal pointSize)
{
    QFont font;
    // DejaVu Sans shares Verdana's wide, open shapes where Verdana is missing.
    // Only the installed faces are named: a missing first one would have the
    // font system work out a list of substitutes for it (a good part of the
    // start-up's time) before it takes the next one named.
    // The system's list of faces is read once, not for every font the
    // windows ask for.
    static const QStringList families = installedFamilies(
        {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans")});
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}

QIcon applicationIcon()
{
    static const QIcon icon(new PngIconEngine(QStringLiteral(":/icons/kestrin-editor.png"), QSize(128, 128)));
    return icon;
}

void centreOnScreen(QWidget *window)
{
    if (const QScreen *screen = window->screen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

} // namespace kestrin::ui
