// SPDX-License-Identifier: MIT
#include "helpcontents.h"

#include "chmarchive.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace kestrin::help {

namespace {

struct Tag {
    QString name; // lower case, with a leading '/' for a closing tag
    QString attributes;
};

// Splits markup into its tags, skipping text and comments. Quoted attribute
// values may contain '>'.
QList<Tag> scanTags(const QString &text)
{
    QList<Tag> tags;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while ((i = text.indexOf(QLatin1Char('<'), i)) >= 0) {
        if (QStringView(text).sliced(i).startsWith(QLatin1String("<!--"))) {
            const qsizetype end = text.indexOf(QLatin1String("-->"), i + 4);
            if (end < 0)
                break;
            i = end + 3;
            continue;
        }
        qsizetype j = i + 1;
        QChar quote;
        for (; j < n; ++j) {
            const QChar c = text.at(j);
            if (quote.isNull()) {
                if (c == QLatin1Char('"') || c == QLatin1Char('\''))
                    quote = c;
                else if (c == QLatin1Char('>'))
                    break;
            } else if (c == quote) {
                quote = QChar();
            }
        }
        if (j >= n)
            break;
        const QStringView body = QStringView(text).sliced(i + 1, j - i - 1).trimmed();
        i = j + 1;
        qsizetype k = body.startsWith(QLatin1Char('/')) ? 1 : 0;
        while (k < body.size() && (body.at(k).isLetterOrNumber() || body.at(k) == QLatin1Char('!')))
            ++k;
        Tag tag;
        tag.name = body.first(k).toString().toLower();
        tag.attributes = body.sliced(k).toString();
        if (!tag.name.isEmpty() && tag.name != QLatin1String("/"))
            tags.append(tag);
    }
    return tags;
}

std::optional<QString> attribute(const QString &attributes, QLatin1StringView wanted)
{
    static const QRegularExpression pattern(
        QLatin1StringView(R"re(([A-Za-z_:][-A-Za-z0-9_:.]*)\s*(?:=\s*(?:"([^"]*)"|'([^']*)'|([^\s"'>]+)))?)re"));
    for (auto it = pattern.globalMatch(attributes); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(1).compare(wanted, Qt::CaseInsensitive) != 0)
            continue;
        for (int group = 2; group <= 4; ++group) {
            if (m.capturedStart(group) >= 0)
                return decodeHtmlEntities(m.captured(group));
        }
        return QString();
    }
    return std::nullopt;
}

QString normalizeLocal(const QString &local)
{
    const QString trimmed = local.trimmed();
    if (trimmed.isEmpty())
        return {};
    // A scheme of two letters or more ("C:" is a Windows drive), other than
    // those that name a page of a help file.
    static const QRegularExpression external(QStringLiteral("^(?!(?:ms-its|its|mk):)[a-z][a-z0-9+.-]+:"),
                                             QRegularExpression::CaseInsensitiveOption);
    if (external.match(trimmed).hasMatch())
        return trimmed;
    const qsizetype hash = trimmed.indexOf(QLatin1Char('#'));
    if (hash < 0)
        return ChmArchive::normalizePath(trimmed);
    return ChmArchive::normalizePath(trimmed.first(hash)) + trimmed.sliced(hash);
}

struct FlatEntry {
    int level;
    ContentsEntry entry;
};

QList<ContentsEntry> buildTree(const QList<FlatEntry> &flat, qsizetype &index, int level)
{
    QList<ContentsEntry> out;
    while (index < flat.size() && flat.at(index).level >= level) {
        ContentsEntry entry = flat.at(index).entry;
        const int ownLevel = flat.at(index).level;
        ++index;
        entry.children = buildTree(flat, index, ownLevel + 1);
        out.append(entry);
    }
    return out;
}

QString withoutFragment(const QString &local)
{
    const qsizetype hash = local.indexOf(QLatin1Char('#'));
    return hash < 0 ? local : local.first(hash);
}

std::optional<QString> firstPage(const ChmArchive &archive, const QList<ContentsEntry> &entries)
{
    for (const ContentsEntry &entry : entries) {
        if (entry.local.startsWith(QLatin1Char('/')) && archive.contains(withoutFragment(entry.local)))
            return entry.local;
        if (std::optional<QString> page = firstPage(archive, entry.children))
            return page;
    }
    return std::nullopt;
}

bool isHtmlPage(const QString &path)
{
    return path.endsWith(QLatin1String(".html"), Qt::CaseInsensitive)
           || path.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive);
}

} // namespace

bool operator==(const ContentsEntry &a, const ContentsEntry &b)
{
    return a.name == b.name && a.local == b.local && a.children == b.children;
}

QString decodeHtmlEntities(const QString &text)
{
    if (!text.contains(QLatin1Char('&')))
        return text;
    static const QRegularExpression entity(QStringLiteral("&(#[0-9]+|#[xX][0-9A-Fa-f]+|[A-Za-z]+);"));
    QString out;
    qsizetype last = 0;
    for (auto it = entity.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString name = m.captured(1);
        char32_t cp = 0;
        bool ok = true;
        if (name.startsWith(QLatin1String("#x"), Qt::CaseInsensitive))
            cp = name.sliced(2).toUInt(&ok, 16);
        else if (name.startsWith(QLatin1Char('#')))
            cp = name.sliced(1).toUInt(&ok, 10);
        else if (name == QLatin1String("amp"))
            cp = '&';
        else if (name == QLatin1String("lt"))
            cp = '<';
        else if (name == QLatin1String("gt"))
            cp = '>';
        else if (name == QLatin1String("quot"))
            cp = '"';
        else if (name == QLatin1String("apos"))
            cp = '\'';
        else if (name == QLatin1String("nbsp"))
            cp = 0xA0;
        else
            ok = false;
        if (!ok || cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            continue; // left as written
        out += QStringView(text).sliced(last, m.capturedStart() - last);
        out += QString::fromUcs4(&cp, 1);
        last = m.capturedEnd();
    }
    out += QStringView(text).sliced(last);
    return out;
}

QList<ContentsEntry> parseSitemap(const QByteArray &data, SitemapCuts *cuts)
{
    SitemapCuts found;
    QStringDecoder decoder = QStringDecoder::decoderForHtml(data);
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(data);

    QList<FlatEntry> flat;
    int depth = 0;
    bool inItem = false;
    std::optional<QString> name;
    std::optional<QString> local;
    for (const Tag &tag : scanTags(text)) {
        if (tag.name == QLatin1String("ul")) {
            ++depth;
        } else if (tag.name == QLatin1String("/ul")) {
            depth = std::max(0, depth - 1);
        } else if (tag.name == QLatin1String("object")) {
            const std::optional<QString> type = attribute(tag.attributes, QLatin1StringView("type"));
            inItem = type && type->trimmed().compare(QLatin1String("text/sitemap"), Qt::CaseInsensitive) == 0;
            name.reset();
            local.reset();
        } else if (tag.name == QLatin1String("param") && inItem) {
            const QString key = attribute(tag.attributes, QLatin1StringView("name")).value_or(QString()).trimmed();
            const QString value = attribute(tag.attributes, QLatin1StringView("value")).value_or(QString());
            // An item may list several name/page pairs; the first one counts.
            if (key.compare(QLatin1String("Name"), Qt::CaseInsensitive) == 0 && !name)
                name = value.trimmed();
            else if (key.compare(QLatin1String("Local"), Qt::CaseInsensitive) == 0 && !local)
                local = value;
        } else if (tag.name == QLatin1String("/object") && inItem) {
            inItem = false;
            ContentsEntry entry;
            entry.local = normalizeLocal(local.value_or(QString()));
            entry.name = name.value_or(QString());
            if (entry.name.isEmpty())
                entry.name = entry.local;
            if (entry.name.isEmpty())
                continue;
            if (flat.size() >= kMaxContentsEntries) {
                found.truncated = true;
                break;
            }
            if (depth > kMaxContentsDepth)
                found.flattened = true;
            flat.append({std::clamp(depth, 1, kMaxContentsDepth), entry});
        }
    }
    if (cuts)
        *cuts = found;
    qsizetype index = 0;
    return buildTree(flat, index, 1);
}

QString chooseHomePage(const ChmArchive &archive, const QList<ContentsEntry> &contents)
{
    if (!archive.defaultTopic().isEmpty() && archive.contains(archive.defaultTopic()))
        return archive.defaultTopic();
    if (std::optional<QString> page = firstPage(archive, contents))
        return *page;
    for (const char *candidate : {"/index.html", "/index.htm", "/default.html", "/default.htm"}) {
        if (archive.contains(QLatin1String(candidate)))
            return QLatin1String(candidate);
    }
    QStringList pages = archive.entries();
    pages.removeIf([](const QString &path) { return !isHtmlPage(path); });
    std::sort(pages.begin(), pages.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return pages.isEmpty() ? QString() : pages.first();
}

} // namespace kestrin::help
