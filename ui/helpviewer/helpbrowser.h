// SPDX-License-Identifier: MIT
#pragma once

#include <QTextBrowser>
#include <QUrl>

#include <functional>

namespace kestrin::help {

class ChmArchive;

// Shows the pages of a help file. Pages, pictures and style sheets are read
// from the archive and from nowhere else; a relative or absolute path is
// taken within the archive, relative to the page it is on. Pages of the help
// file are addressed as "chm:/path/page.html"; links to web sites and mail
// addresses (http, https, mailto) are handed to the desktop, links of any
// other kind are refused with a note.
//
// A page is bounded before it is laid out (its size, the nesting of its
// elements and tables, its pictures' sizes), so that no page can hold up
// the program; what lies beyond the bounds is shown flattened or left out,
// and a note says so.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    static inline const QString kScheme = QStringLiteral("chm");

    // Larger pages are not shown: their text alone would take the layout
    // seconds.
    static constexpr qint64 kMaxPageBytes = 512 * 1024;
    static constexpr qint64 kMaxStyleSheetBytes = 256 * 1024;
    // A picture is shown if its file and its decoded size are within these,
    // and while the page's pictures together stay within kMaxPagePixels.
    static constexpr qint64 kMaxPictureBytes = 8 * 1024 * 1024;
    static constexpr int kMaxPictureSide = 8192;
    static constexpr qint64 kMaxPicturePixels = 4096 * 4096;
    static constexpr qint64 kMaxPagePixels = 2 * kMaxPicturePixels;

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

    // Whether a link of this scheme is handed to the desktop.
    // A mail link as it goes to the desktop: only its address, subject and
    // text.
    static QUrl plainMailLink(const QUrl &url);
    static bool opensOnTheDesktop(const QUrl &url);

    // What was refused, flattened or left out since the current page was
    // opened, one sentence each.
    QStringList notes() const { return m_notes; }

signals:
    void notesChanged(const QStringList &notes);

protected:
    // Without an archive (the file could not be opened) nothing is loaded,
    // so that the message in its place stays, whatever keys are pressed.
    void doSetSource(const QUrl &name, QTextDocument::ResourceType type) override;

private:
    QByteArray missingPage(const QString &path, bool damaged) const;
    QVariant loadPage(const QUrl &url);
    QVariant loadPicture(const QUrl &url);
    QByteArray loadBytes(const QUrl &url, qint64 maxBytes);
    void addNote(const QString &note);

    const ChmArchive *m_archive = nullptr;
    QStringList m_notes;
    qint64 m_pagePixels = 0;
    std::function<void(const QUrl &)> m_externalLinkHandler;
};

} // namespace kestrin::help
