// SPDX-License-Identifier: MIT
#include "console.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>

namespace kestrin::cli {

namespace {

HANDLE handleOf(FILE *stream)
{
    return reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
}

} // namespace

void prepareStandardStreams()
{
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

bool isConsole(FILE *stream)
{
    DWORD mode = 0;
    const HANDLE handle = handleOf(stream);
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

QByteArray streamBytes(const QString &text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return lines.toUtf8();
}

void printText(FILE *stream, const QString &text)
{
    std::fflush(stream);
    if (!isConsole(stream)) {
        const QByteArray bytes = streamBytes(text);
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
        std::fflush(stream);
        return;
    }
    // A console shows UTF-16 as it is; its line breaks are LF.
    const HANDLE handle = handleOf(stream);
    const auto *data = reinterpret_cast<const wchar_t *>(text.utf16());
    qsizetype left = text.size();
    while (left > 0) {
        DWORD written = 0;
        const DWORD chunk = DWORD(std::min<qsizetype>(left, 8192));
        if (!WriteConsoleW(handle, data, chunk, &written, nullptr) || written == 0)
            return;
        data += written;
        left -= written;
    }
}

} // namespace kestrin::cli
