// SPDX-License-Identifier: MIT
#include "pipesanddevices.h"

#include <QCoreApplication>

#include <windows.h>

namespace kestrin::testing {

QString makeIdlePipe(const QString &)
{
    static int count = 0;
    const QString path =
        QStringLiteral("\\\\.\\pipe\\kestrin-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(++count);
    // The server end stays open (and silent) until the program ends.
    const HANDLE pipe = CreateNamedPipeW(reinterpret_cast<const wchar_t *>(path.utf16()), PIPE_ACCESS_OUTBOUND,
                                         PIPE_TYPE_BYTE | PIPE_WAIT, 4, 0, 0, 0, nullptr);
    return pipe == INVALID_HANDLE_VALUE ? QString() : path;
}

QString endlessDevice()
{
    return QStringLiteral("CON");
}

} // namespace kestrin::testing
