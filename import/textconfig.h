// SPDX-License-Identifier: MIT
#pragma once

// The game's text config syntax, for config.cpp, mission.sqm,
// description.ext and mod.cpp: classes with an optional base class
// ("class A: B { ... };"), declared and deleted classes, values ("name =
// value;"), arrays ("name[] = {...};", "+=", nested), strings in double or
// single quotes with the quote doubled inside, numbers, bare words and
// expressions, comments, and the preprocessor's #include, #define (names
// without arguments are expanded), #undef, #ifdef/#ifndef/#else/#endif.
//
// Nothing is guessed: a macro with arguments, or a name followed by "(",
// cannot be expanded here; the statement that holds it is skipped with a
// note, and so is an #if block. A syntax error gives a note with its line
// and the parser goes on after the next ";". Nesting, include depth, macro
// depth and the total bytes read through includes are bounded; an include
// loop is refused.

#include "configtree.h"

#include <QByteArray>

#include <functional>

namespace kestrin::import {

struct TextConfigLimits {
    int maxDepth = 64;                       // classes and arrays
    int maxIncludeDepth = 8;                 // files open inside one another
    int maxMacroDepth = 16;                  // macros expanded inside one another
    qint64 maxTotalBytes = 64 * 1024 * 1024; // the file and everything it includes or expands
};

// What an #include resolves to.
struct IncludedFile {
    QByteArray data;
    SourceRef where;  // line left 0
    QString identity; // the same for the same file, for loop detection
    QString problem;  // why it could not be read; data then empty
};

// Resolves the path written in an #include, seen from the file that
// includes it (whose SourceRef is given).
using IncludeResolver = std::function<IncludedFile(const QString &written, const SourceRef &from)>;

ConfigParse parseTextConfig(const QByteArray &text, const SourceRef &where, const IncludeResolver &resolve = {},
                            const TextConfigLimits &limits = {}, const ClassFilter &keep = {});

} // namespace kestrin::import
