// SPDX-License-Identifier: MIT
#pragma once

// The LZSS compression of PBO entries, as the game community documents it:
// a flag byte whose bits, lowest first, say whether a literal byte (1) or a
// two-byte back reference (0) follows; a reference holds a 12-bit distance
// and a 4-bit length (3 to 18 bytes), and reaching before the start of the
// output gives spaces. Four bytes after the data hold the unsigned sum of
// the output bytes.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace kestrin::import {

struct LzssResult {
    QByteArray data;
    bool checksumPresent = false;
    bool checksumMatches = false;
};

// Unpacks exactly outputSize bytes from input, never more: the output is
// allocated once at that size, which the caller has checked against its
// cap. A stream that ends early, or a reference before anything was
// written, gives nothing, with why in *problem.
std::optional<LzssResult> lzssDecompress(QByteArrayView input, qsizetype outputSize, QString *problem);

// The most output that input bytes can produce: every flag byte followed by
// eight references of 18 bytes each. A declared size above this is a lie.
qint64 lzssMaxOutput(qint64 inputSize);

} // namespace kestrin::import
