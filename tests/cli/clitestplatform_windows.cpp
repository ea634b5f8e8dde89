// SPDX-License-Identifier: MIT
#include "clitestsupport.h"

#include <QProcess>

// Windows has no root that file permissions ignore: the process runs as the
// user who runs the tests.
void runUnprivileged(QProcess &)
{
}

QByteArray messageLines(const QByteArray &messages)
{
    QByteArray lines = messages;
    return lines.replace("\r\n", "\n");
}
