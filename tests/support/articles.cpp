// SPDX-License-Identifier: MIT
#include "articles.h"

#include "golden.h"

#include <QStringList>

using namespace kestrin;

QString joinedLines(std::initializer_list<const char *> lines)
{
    QStringList list;
    for (const char *line : lines)
        list << QString::fromUtf8(line);
    return list.join(QStringLiteral("\r\n"));
}

Article fullArticle()
{
    Article a;
    a.kind = QStringLiteral("Mod");
    a.name = QStringLiteral("Kestrel \"Wings\" Pack");
    a.version = QStringLiteral("0.9b");
    a.authors = joinedLines({"Anna", "Bořek"});
    a.releaseDate = QStringLiteral("2012-02-29");
    a.web = QStringLiteral("http://example.org/mod");
    a.email = QStringLiteral("anna@example.org");
    a.skype = QStringLiteral("anna.k");
    a.icq = QString();
    a.other = joinedLines({"forum: anna", "irc: #kestrel"});
    a.requiredGame = QStringLiteral("1.62");
    a.requiredAddons = joinedLines({"@CBA", "@ACE", ""});
    a.installation = InstallationKind::OwnDescription;
    a.installationText = joinedLines({"Unpack into C:\\Games\\Arma 2\\@Kestrel", "\t-mod=@Kestrel"});
    a.description = QStringLiteral("  blanks kept  ");
    a.features = joinedLines({"- one", "- two"});
    a.changelog = QString();
    a.notes = joinedLines({"", ""});
    a.credits = QStringLiteral("Thanks 😀");
    return a;
}

QList<Article> articlePerKind()
{
    QList<Article> articles;
    for (size_t kind = 0; kind < kArticleKinds.size(); ++kind) {
        Article a;
        a.installation = InstallationKind(kind);
        a.kind = QLatin1String(kArticleKinds[kind]);
        articles << a;
    }
    return articles;
}

QString formState(const ControlAccess &form)
{
    QString out;
    for (int i = 0; i < kControlCount; ++i) {
        const Control c = Control(i);
        out += QStringLiteral("%1 text=[%2] value=%3 selected=%4 enabled=%5 colour=%6\n")
                   .arg(QLatin1String(controlName(c)), QString::fromStdString(visible(form.text(c))))
                   .arg(form.value(c))
                   .arg(form.isSelected(c))
                   .arg(form.isEnabled(c))
                   .arg(int(form.background(c)));
    }
    return out;
}
