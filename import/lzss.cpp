// SPDX-License-Identifier: MIT
#include "lzss.h"

#include "importsource.h"

namespace kestrin::import {

qint64 lzssMaxOutput(qint64 inputSize)
{
    // One flag byte and eight two-byte references: 17 bytes give 144.
    return (inputSize / 17 + 1) * 144;
}

std::optional<LzssResult> lzssDecompress(QByteArrayView input, qsizetype outputSize, QString *problem)
{
    if (outputSize < 0 || outputSize > lzssMaxOutput(input.size())) {
        if (problem)
            *problem = ImportText::tr("the compressed entry claims more data than it could hold");
        return std::nullopt;
    }
    LzssResult result;
    result.data.resize(outputSize);
    char *out = result.data.data();
    const auto *in = reinterpret_cast<const unsigned char *>(input.data());
    const qsizetype inSize = input.size();
    qsizetype i = 0;
    qsizetype o = 0;
    const auto truncated = [&] {
        if (problem)
            *problem = ImportText::tr("the compressed entry ends before its data");
        return std::nullopt;
    };
    while (o < outputSize) {
        if (i >= inSize)
            return truncated();
        const unsigned flags = in[i++];
        for (int bit = 0; bit < 8 && o < outputSize; ++bit) {
            if (flags & (1u << bit)) {
                if (i >= inSize)
                    return truncated();
                out[o++] = char(in[i++]);
                continue;
            }
            if (i + 1 >= inSize)
                return truncated();
            const unsigned lo = in[i];
            const unsigned hi = in[i + 1];
            i += 2;
            const qsizetype distance = qsizetype(lo | ((hi & 0xF0u) << 4));
            const qsizetype length = qsizetype(hi & 0x0Fu) + 3;
            if (distance == 0) {
                if (problem)
                    *problem = ImportText::tr("the compressed entry is damaged");
                return std::nullopt;
            }
            const qsizetype from = o - distance;
            for (qsizetype k = 0; k < length && o < outputSize; ++k) {
                const qsizetype at = from + k;
                out[o++] = at < 0 ? ' ' : out[at];
            }
        }
    }
    if (i + 4 <= inSize) {
        result.checksumPresent = true;
        quint32 stored = quint32(in[i]) | quint32(in[i + 1]) << 8 | quint32(in[i + 2]) << 16 | quint32(in[i + 3]) << 24;
        quint32 sum = 0;
        for (qsizetype k = 0; k < outputSize; ++k)
            sum += quint8(out[k]);
        result.checksumMatches = stored == sum;
    }
    return result;
}

} // namespace kestrin::import
