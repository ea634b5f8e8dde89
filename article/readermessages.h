// SPDX-License-Identifier: MIT
#pragma once

// The article reader's words: one translation context for all of its
// messages, and the pieces they are made of.

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace kestrin::reading {

// The reader's messages, translated in one context.
struct ArticleReader {
    Q_DECLARE_TR_FUNCTIONS(ArticleReader)
};

// Text from the file in quotes, as messages show it (quoteForMessage).
QString quoted(QStringView text);
// "a", "b" and "c" (last: the translated word before the last item)
QString listOf(const QStringList &items, const char *last);
QStringList articleKindNames();
QStringList installationKindNames();
// "\n" and "\r\n" both become CR LF; nothing else changes.
QString withCrLf(const QString &text);
// Four upper-case hexadecimal digits.
QString hex4(uint unit);

} // namespace kestrin::reading
