// SPDX-License-Identifier: MIT
#include "helpbrowser.h"

#include "chmarchive.h"
#include "pagesanitizer.h"

#include <QBuffer>
#include <QDesktopServices>
#include <QImage>
#include <QImageReader>
#include <QLocale>
#include <QPainter>
#include <QStringDecoder>
#include <QTextDocument>
#include <QUrlQuery>

namespace kestrin::help {

namespace {

// Links written for the Windows viewer name a page of a help file this way.
bool isStoreLink(const QUrl &url)
{
    const QString scheme = url.scheme();
    return scheme == QLatin1String("ms-its") || scheme == QLatin1String("its") || scheme == QLatin1String("mk");
}

// What stands where a picture cannot be shown. Never a null image: for a
// null one the text layout would load the picture's name from disk itself.
QImage placeholderPicture()
{
    static const QImage picture = [] {
        QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
        image.fill(QColor(0xe8, 0xe8, 0xe8));
        QPainter painter(&image);
        painter.setPen(QColor(0x90, 0x90, 0x90));
        painter.drawRect(0, 0, 15, 15);
        painter.drawLine(3, 12, 12, 3);
        return image;
    }();
    return picture;
}

QString shortened(const QString &text)
{
    constexpr qsizetype kMax = 80;
    return text.size() <= kMax ? text : text.first(kMax - 1) + QChar(0x2026);
}

QString dataSize(qint64 bytes)
{
    return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}

} // namespace

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
    if (!m_notes.isEmpty()) {
        m_notes.clear();
        emit notesChanged(m_notes);
    }
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
    if (isStoreLink(link))
        return urlForPath(link.toString());
    if (!link.isRelative())
        return link;
    QUrl base = source();
    if (base.isEmpty() || base.scheme() != kScheme)
        base = urlForPath(QStringLiteral("/"));
    return base.resolved(link);
}

QUrl HelpBrowser::plainMailLink(const QUrl &url)
{
    // The address, the subject and the text; no attachment and no other
    // header reaches the mail program.
    QUrl plain;
    plain.setScheme(QStringLiteral("mailto"));
    plain.setPath(url.path(QUrl::FullyEncoded), QUrl::TolerantMode);
    QUrlQuery kept;
    for (const auto &[key, value] : QUrlQuery(url).queryItems(QUrl::FullyEncoded)) {
        const QString name = QUrl::fromPercentEncoding(key.toUtf8()).toLower();
        if ((name == QLatin1String("subject") || name == QLatin1String("body")) && !kept.hasQueryItem(name))
            kept.addQueryItem(name, value);
    }
    if (!kept.isEmpty())
        plain.setQuery(kept);
    return plain;
}

bool HelpBrowser::opensOnTheDesktop(const QUrl &url)
{
    const QString scheme = url.scheme();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("mailto");
}

void HelpBrowser::followLink(const QUrl &link)
{
    const QUrl url = resolve(link);
    if (url.scheme() == kScheme) {
        setSource(url);
        return;
    }
    if (!opensOnTheDesktop(url)) {
        addNote(tr("The link \"%1\" was not opened: the help opens only its own pages, web addresses (http:, "
                   "https:) and mail addresses (mailto:).")
                    .arg(shortened(link.toString())));
        return;
    }
    const QUrl handed = url.scheme() == QLatin1String("mailto") ? plainMailLink(url) : url;
    if (m_externalLinkHandler)
        m_externalLinkHandler(handed);
    else
        QDesktopServices::openUrl(handed);
}

void HelpBrowser::addNote(const QString &note)
{
    if (m_notes.contains(note))
        return;
    m_notes.append(note);
    emit notesChanged(m_notes);
}

void HelpBrowser::doSetSource(const QUrl &name, QTextDocument::ResourceType)
{
    if (!m_archive)
        return;
    m_notes.clear();
    m_pagePixels = 0;
    emit notesChanged(m_notes);
    // Every page is read as HTML: the browser's own Markdown reader is not
    // bounded as the HTML is.
    QTextBrowser::doSetSource(name, QTextDocument::HtmlResource);
}

// Every answer here is a real value, never an empty variant: for an empty
// one QTextDocument would look for the name on disk itself.
QVariant HelpBrowser::loadResource(int type, const QUrl &name)
{
    const QUrl url = resolve(name);
    switch (type) {
    case QTextDocument::HtmlResource: return loadPage(url);
    case QTextDocument::ImageResource: return loadPicture(url);
    case QTextDocument::StyleSheetResource: return loadBytes(url, kMaxStyleSheetBytes);
    default: return QByteArray("");
    }
}

QVariant HelpBrowser::loadPage(const QUrl &url)
{
    if (!m_archive || url.scheme() != kScheme)
        return QString(QLatin1String("<html><body></body></html>"));
    const QString path = pathForUrl(url);
    const std::optional<qint64> size = m_archive->objectSize(path);
    if (!size)
        return missingPage(path, false);
    if (*size > kMaxPageBytes) {
        const QString reason = tr("This page is too large to show: it holds %1, and the help shows pages of up to %2.")
                                   .arg(dataSize(*size), dataSize(kMaxPageBytes));
        addNote(reason);
        return QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head><body><h2>%1</h2><p>%2</p>"
                              "<p>%3 <code>%4</code></p></body></html>")
            .arg(tr("Page not shown"), reason.toHtmlEscaped(), tr("Page:"), path.toHtmlEscaped());
    }
    const std::optional<QByteArray> data = m_archive->read(path);
    if (!data)
        return missingPage(path, true);
    QStringDecoder decoder = QStringDecoder::decoderForHtml(*data);
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    const QString html = decoder.decode(*data);
    const SanitizedPage page = sanitizePage(html);
    if (page.flattened)
        addNote(tr("Parts of this page are nested too deeply or are too large, and are shown flattened."));
    return page.html;
}

QVariant HelpBrowser::loadPicture(const QUrl &url)
{
    if (url.scheme() != kScheme) {
        if (url.scheme() != QLatin1String("data"))
            addNote(tr("Pictures from outside the help file are not shown."));
        return placeholderPicture();
    }
    if (!m_archive)
        return placeholderPicture();
    const QString path = pathForUrl(url);
    const std::optional<qint64> size = m_archive->objectSize(path);
    if (!size)
        return placeholderPicture();
    const QString tooLarge = tr("A picture on this page is too large to show.");
    if (*size > kMaxPictureBytes) {
        addNote(tooLarge);
        return placeholderPicture();
    }
    const std::optional<QByteArray> data = m_archive->read(path);
    if (!data)
        return placeholderPicture();
    QBuffer buffer;
    buffer.setData(*data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize declared = reader.size();
    const qint64 pixels = qint64(declared.width()) * declared.height();
    if (!declared.isValid() || declared.width() > kMaxPictureSide || declared.height() > kMaxPictureSide
        || pixels > kMaxPicturePixels || m_pagePixels + pixels > kMaxPagePixels) {
        if (declared.isValid())
            addNote(tooLarge);
        return placeholderPicture();
    }
    m_pagePixels += pixels;
    const QImage image = reader.read();
    return image.isNull() ? placeholderPicture() : image;
}

QByteArray HelpBrowser::loadBytes(const QUrl &url, qint64 maxBytes)
{
    if (!m_archive || url.scheme() != kScheme)
        return QByteArray("");
    const QString path = pathForUrl(url);
    const std::optional<qint64> size = m_archive->objectSize(path);
    if (!size)
        return QByteArray("");
    if (*size > maxBytes) {
        addNote(tr("A style sheet of this page is too large, and the page is shown without it."));
        return QByteArray("");
    }
    return m_archive->read(path).value_or(QByteArray(""));
}

QByteArray HelpBrowser::missingPage(const QString &path, bool damaged) const
{
    const QString reason =
        damaged ? tr("This page cannot be read: the help file is damaged.") : tr("This page is not in the help file.");
    return QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head><body>"
                          "<h2>%1</h2><p>%2</p><p>%3 <code>%4</code><br>%5 <code>%6</code>"
                          "</p></body></html>")
        .arg(tr("Page not available"), reason, tr("Page:"), path.toHtmlEscaped(), tr("File:"),
             m_archive->fileName().toHtmlEscaped())
        .toUtf8();
}

} // namespace kestrin::help
