// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace kestrin::help {

class ChmArchive;

// One line of a help file's table of contents. `local` is the page it opens,
// absolute within the archive and possibly with a "#fragment"; empty for a
// heading that only groups its children.
struct ContentsEntry {
    QString name;
    QString local;
    QList<ContentsEntry> children;
};

bool operator==(const ContentsEntry &a, const ContentsEntry &b);
inline bool operator!=(const ContentsEntry &a, const ContentsEntry &b)
{
    return !(a == b);
}

// Bounds on a table of contents, so that no help file can make the tree
// too deep or too long for the contents view.
inline constexpr int kMaxContentsDepth = 32;
inline constexpr qsizetype kMaxContentsEntries = 20000;
inline constexpr qint64 kMaxContentsBytes = 8 * 1024 * 1024;

// What had to be cut to keep a table of contents within the bounds.
struct SitemapCuts {
    bool flattened = false; // entries deeper than kMaxContentsDepth stand at that depth
    bool truncated = false; // entries after the first kMaxContentsEntries are left out
};

// Reads an HTML Help sitemap (.hhc): nested <UL> lists of
// <OBJECT type="text/sitemap"> items with "Name" and "Local" parameters.
// Tolerates the loose HTML that help compilers accept: unclosed <LI>, any
// letter case, unquoted attributes, comments, entities. Links with a scheme
// of their own ("http:", "file:") are kept as written; the others become
// paths within the archive.
QList<ContentsEntry> parseSitemap(const QByteArray &data, SitemapCuts *cuts = nullptr);

// Decodes the character references of an attribute value.
QString decodeHtmlEntities(const QString &text);

// The page a help file opens at: the default topic its #SYSTEM record
// names, else the first page of its contents, else index.html or
// default.html, else its first HTML page. Empty when it has no page at all.
QString chooseHomePage(const ChmArchive &archive, const QList<ContentsEntry> &contents);

} // namespace kestrin::help
