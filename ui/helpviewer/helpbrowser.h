#pragma once

#include <QTextBrowser>
#include <QUrl>

#include <functional>

namespace kestrin::help {

class ChmArchive;

// Shows the pages of a help file. Pages, pictures and style sheets are read
// from the archive; a relative link is taken relative to the page it is on.
// Pages of the help file are addressed as "chm:/path/page.html"; links to web
// sites and mail addresses are handed to the desktop.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    static inline const QString kScheme = QStringLiteral("chm");

    explicit HelpBrowser(QWidget *parent = nullptr);

    // The archive to read from; not owned, must outlive its use here. Null
    // detaches the browser.
    void setArchive(const ChmArchive *archive);

    QVariant loadResource(int type, const QUrl &name) override;

    // Follows a link as a click on it does.
    void followLink(const QUrl &link);

    // Turns a path inside the archive ("/a/b.html#x") into the browser's URL
    // for it, and back.
    static QUrl urlForPath(const QString &archivePath);
    static QString pathForUrl(const QUrl &url);

    // The resolved URL of a link on the current page.
    QUrl resolve(const QUrl &link) const;

    // External links go here instead of to the desktop when set (tests).
    void setExternalLinkHandler(std::function<void(const QUrl &)> handler)
    {
        m_externalLinkHandler = std::move(handler);
    }

protected:
    // Without an archive (the file could not be opened) nothing is loaded,
    // so that the message in its place stays, whatever keys are pressed.
    void doSetSource(const QUrl &name, QTextDocument::ResourceType type) override;

private:
    QByteArray missingPage(const QString &path, bool damaged) const;

    const ChmArchive *m_archive = nullptr;
    std::function<void(const QUrl &)> m_externalLinkHandler;
};

} // namespace kestrin::help
