// SPDX-License-Identifier: MIT
#include "systemmessage_windows.h"

#include <windows.h>

namespace kestrin::fileio {

QString systemMessage(unsigned long code)
{
    wchar_t *buffer = nullptr;
    const DWORD n =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, DWORD(code), 0, reinterpret_cast<wchar_t *>(&buffer), 0, nullptr);
    QString text = n > 0 ? QString::fromWCharArray(buffer, int(n)).trimmed() : QString();
    LocalFree(buffer);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text.isEmpty() ? QStringLiteral("Error %1").arg(code) : text;
}

} // namespace kestrin::fileio
