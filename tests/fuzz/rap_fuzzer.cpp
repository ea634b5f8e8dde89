// SPDX-License-Identifier: MIT
// Fuzz target: the binarized ("raP") config reader. Checked: the tree it
// gives is no deeper than its bound, and a file it could not read whole
// says so in a note.

#include "fuzzsupport.h"

#include "rapreader.h"

#include <cstddef>
#include <cstdint>

using namespace kestrin;

namespace {

int depth(const import::ConfigClass &c)
{
    int deepest = 0;
    for (const import::ConfigClass &child : c.classes)
        deepest = qMax(deepest, depth(child));
    return deepest + 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // Most inputs get the signature, so that the fuzzer spends its time
    // inside the reader.
    if (size > 0 && (data[0] & 1))
        bytes.prepend(QByteArray("\0raP\0\0\0\0\x08\0\0\0\0\0\0\0", 16));
    import::RapLimits limits;
    const import::ConfigParse parse = import::parseRap(bytes, {}, limits);
    KESTRIN_FUZZ_CHECK(depth(parse.root) <= limits.maxDepth + 2);
    if (!import::isRapified(bytes) || bytes.size() < 16)
        KESTRIN_FUZZ_CHECK(!parse.notes.isEmpty());
    return 0;
}
