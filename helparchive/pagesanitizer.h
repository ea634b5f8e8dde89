// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>

namespace kestrin::help {

// Bounds on what one help page may ask of the text layout. Qt lays a page
// out on the window's thread, and its cost grows steeply with the nesting
// of elements and tables and with long unbroken words, so the page is
// rewritten within these bounds before the browser sees it.
struct PageLimits {
    int maxDepth = 64;         // elements open at once
    int maxTableDepth = 6;     // tables inside tables
    int maxTableCost = 4000;   // table cells, each weighing 2^(its table's nesting - 1)
    int maxWordLength = 256;   // characters between two chances to break a line
    int maxPictureSide = 4096; // pixels, in any element's width and height attributes
    int maxSpacing = 64;       // pixels of cellpadding, cellspacing, border, hspace and vspace
    int maxSpan = 100;         // columns or rows one cell spans
    int maxSpanArea = 1000;    // colspan times rowspan of one cell
    int maxPictures = 200;     // pictures on one page; the others are left out
};

struct SanitizedPage {
    QString html;
    // Something beyond the bounds was flattened: elements nested too deeply
    // lost their tags (their text stays), tables beyond the bounds became
    // lines of text, sizes, spacings and spans were cut down, pictures
    // beyond their number were left out (their alternative text stays).
    bool flattened = false;
};

// Rewrites an HTML page as balanced, explicitly closed markup within the
// limits. Comments, processing instructions and scripts are dropped; text,
// style sheets and every element within the bounds are kept with their
// attributes. The result holds no tag that the limits do not allow,
// whatever the input, and is at most a few times the input's size.
SanitizedPage sanitizePage(QStringView html, const PageLimits &limits = {});

} // namespace kestrin::help
