// SPDX-License-Identifier: MIT
#pragma once

// Invalid JSON, said in the words of the format's users, at the character
// to blame.

#include <QByteArrayView>
#include <QString>

#include <rapidjson/error/error.h>

namespace kestrin::reading {

struct SyntaxError {
    qsizetype offset = -1; // in the text after the byte-order mark; -1: none
    QString message;
};

inline bool isJsonSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// What RapidJSON's error code means at that place of the text. Offsets
// point at the character to blame; stringStart is where the token being
// read began, for a text that is never closed.
SyntaxError describeSyntaxError(QByteArrayView json, rapidjson::ParseErrorCode code, qsizetype offset,
                                qsizetype stringStart);

// A "\uDC00" to "\uDFFF" escape in the text of a string that stands without
// a first half before it (RapidJSON lets such a second half through).
// Returns its offset, or -1.
qsizetype loneSecondHalf(QByteArrayView json, qsizetype from, qsizetype to);

// The encoding of a file that is not UTF-8, told by its byte-order mark or
// by the zero bytes of its first two characters, which are ASCII in JSON;
// nullptr for UTF-8.
const char *otherUnicodeEncoding(QByteArrayView bytes);

} // namespace kestrin::reading
