// SPDX-License-Identifier: MIT
#pragma once

// The loops of textscan.cpp that take many characters at a time, each
// processor's own (textscan_sse2.cpp on x86-64, textscan_plain.cpp
// elsewhere, chosen by CMake). Each goes as far as it can from `from` and
// returns where it stopped; the one-by-one loops go on from there.

#include "textscan.h"

namespace kestrin::textscan {

// As copyAsciiToUtf8, up to the last few characters or a block with a
// character that is not ASCII; only called with a table the blocks can
// scan (EscapeTable::scannedInBlocks) or none. May write up to 16 bytes
// beyond where it leaves out.
qsizetype copyAsciiBlocks(char *&out, const char16_t *in, qsizetype from, qsizetype size, const EscapeTable *escape);
// Past the characters before the first CR or LF, up to the last few.
qsizetype skipToLineBreakBlocks(const char16_t *chars, qsizetype from, qsizetype size);

} // namespace kestrin::textscan
