#include "helpbrowser.h"

#include "chmarchive.h"

#include <QDesktopServices>
#include <QTextDocument>

namespace kestrin::help {

HelpBrowser::HelpBrowser(QWidget *parent)
    : QTextBrowser(parent)
{
    // Links are followed here, so that pages come from the archive and web
    // addresses go to the desktop's browser.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::followLink);
}

void HelpBrowser::setArchive(const ChmArchive *archive)
{
    m_archive = archive;
}

QUrl HelpBrowser::urlForPath(const QString &archivePath)
{
    QUrl url;
    url.setScheme(kScheme);
    const qsizetype hash = archivePath.indexOf(QLatin1Char('#'));
    url.setPath(ChmArchive::normalizePath(hash < 0 ? archivePath : archivePath.first(hash)));
    if (hash >= 0)
        url.setFragment(archivePath.sliced(hash + 1));
    return url;
}

QString HelpBrowser::pathForUrl(const QUrl &url)
{
    return ChmArchive::normalizePath(url.path());
}

QUrl HelpBrowser::resolve(const QUrl &link) const
{
    if (!link.isRelative())
        return link;
    QUrl base = source();
    if (base.isEmpty() || base.scheme() != kScheme)
        base = urlForPath(QStringLiteral("/"));
    return base.resolved(link);
}

void HelpBrowser::followLink(const QUrl &link)
{
    const QUrl url = resolve(link);
    if (url.scheme() == kScheme) {
        setSource(url);
        return;
    }
    if (m_externalLinkHandler)
        m_externalLinkHandler(url);
    else
        QDesktopServices::openUrl(url);
}

void HelpBrowser::doSetSource(const QUrl &name, QTextDocument::ResourceType type)
{
    if (m_archive)
        QTextBrowser::doSetSource(name, type);
}

QVariant HelpBrowser::loadResource(int type, const QUrl &name)
{
    const QUrl url = resolve(name);
    if (url.scheme() != kScheme)
        return {}; // nothing is fetched from outside the help file
    const QString path = pathForUrl(url);
    std::optional<QByteArray> data;
    if (m_archive)
        data = m_archive->read(path);
    if (data)
        return *data;
    if (type == QTextDocument::HtmlResource && m_archive)
        return missingPage(path, m_archive->contains(path));
    return {};
}

QByteArray HelpBrowser::missingPage(const QString &path, bool damaged) const
{
    const QString reason = damaged ? QStringLiteral("This page cannot be read: the help file is damaged.")
                                   : QStringLiteral("This page is not in the help file.");
    return QStringLiteral("<html><head><meta charset=\"utf-8\"><title>Page not available</title></head><body>"
                          "<h2>Page not available</h2><p>%1</p><p>Page: <code>%2</code><br>File: <code>%3</code>"
                          "</p></body></html>")
        .arg(reason, path.toHtmlEscaped(), m_archive->fileName().toHtmlEscaped())
        .toUtf8();
}

} // namespace kestrin::help
