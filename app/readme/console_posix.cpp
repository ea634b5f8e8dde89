// SPDX-License-Identifier: MIT
#include "console.h"

namespace kestrin::cli {

void prepareStandardStreams()
{
}

bool isConsole(FILE *)
{
    return false;
}

QByteArray streamBytes(const QString &text)
{
    return text.toLocal8Bit();
}

void printText(FILE *stream, const QString &text)
{
    const QByteArray bytes = streamBytes(text);
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

} // namespace kestrin::cli
