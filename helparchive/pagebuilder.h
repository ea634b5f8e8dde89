// SPDX-License-Identifier: MIT
#pragma once

// The tree of a help page built from its tokens as HTML builds it (implied
// ends, scopes), and written out again as balanced, explicitly closed
// markup within the page's limits: too deep, too costly or too large parts
// are flattened as they come.

#include "htmltokenizer.h"
#include "pagesanitizer.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

namespace kestrin::help {

class PageBuilder {
public:
    PageBuilder(HtmlTokenizer &tokens, const PageLimits &limits);

    SanitizedPage run();

private:
    using Names = QSet<QString>;

    void text(QChar c);
    void strayLess();
    void startTag(HtmlTag &tag);
    bool flattensTable(const HtmlTag &tag);
    bool weighCell(const HtmlTag &tag);
    void dropTooDeep(const HtmlTag &tag);
    void openElement(const HtmlTag &tag);
    void writeRawText(const QString &name, QStringView content);
    void endTag(const QString &name);

    void writeTag(const HtmlTag &tag);
    bool limitNumber(HtmlAttribute &attribute, qint64 bound);
    void limitSizes(HtmlTag &tag);
    bool keepPicture(const HtmlTag &tag);
    void flattenedTablePart(const QString &name);

    void impliedEnds(const QString &name);
    void closeOutermost(const Names &targets, const Names &boundaries);
    void closeNearest(const QString &name, const Names &boundaries) { closeNearest(Names{name}, boundaries); }
    void closeNearest(const Names &targets, const Names &boundaries);
    void popTo(qsizetype index);

    HtmlTokenizer &m_tokens;
    PageLimits m_limits;
    QString m_out;
    QList<QString> m_stack;
    QHash<QString, int> m_dropped;
    int m_tables = 0;
    int m_flatTables = 0;
    qint64 m_cost = 0;
    int m_word = 0;
    int m_pictures = 0;
    bool m_flattened = false;
};

} // namespace kestrin::help
