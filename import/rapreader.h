// SPDX-License-Identifier: MIT
#pragma once

// The binarized ("rapified") config form, as the community's notes on the
// raP format describe it: the signature "\0raP", two 32-bit words (0 and
// 8), the offset of the enum table, then the root class body. A class body
// is its base class name (zero-terminated), a compressed entry count (seven
// bits a byte, lowest first, the top bit saying another byte follows) and
// the entries: 0 a class (name, 32-bit offset of its body), 1 a value (a
// type byte, name, then a string, a 32-bit float or a 32-bit integer),
// 2 an array (name, array), 3 a declared class (name), 4 a deleted class
// (name), 5 an array with a flag word ("+=", then as 2). An array is a
// compressed count and elements, each a type byte (0 string, 1 float,
// 2 integer, 3 nested array, 4 expression) and its value.
//
// Every offset and count is checked against the data; bodies are not
// visited twice (no loops); nesting is bounded. What cannot be read becomes
// a note and the rest of the tree stays.

#include "configtree.h"

#include <QByteArrayView>

namespace kestrin::import {

struct RapLimits {
    int maxDepth = 64;
    qint64 maxNodes = 4'000'000; // classes, values and array elements together
};

// Whether the bytes start with the raP signature.
bool isRapified(QByteArrayView data);

// Reads a binarized config; notes name `where` (its line stays 0).
ConfigParse parseRap(QByteArrayView data, const SourceRef &where, const RapLimits &limits = {},
                     const ClassFilter &keep = {});

} // namespace kestrin::import
