// SPDX-License-Identifier: MIT
// Processors without block loops of their own: everything goes one
// character at a time (textscan.cpp).
#include "textscanblocks.h"

namespace kestrin::textscan {

qsizetype copyAsciiBlocks(char *&, const char16_t *, qsizetype from, qsizetype, const EscapeTable *)
{
    return from;
}

qsizetype skipToLineBreakBlocks(const char16_t *, qsizetype from, qsizetype)
{
    return from;
}

} // namespace kestrin::textscan
