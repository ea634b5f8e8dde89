// SPDX-License-Identifier: MIT
#pragma once

// Files that are not regular files, made the way this system makes them,
// for the tests of readers that must refuse them without waiting.

#include <QString>

namespace kestrin::testing {

// A named pipe that nobody ever writes into, made in `folder` where the
// system puts pipes in folders (a FIFO), else in its own namespace
// (Windows: \\.\pipe\...). Its path, or empty when it could not be made.
// It lasts until the test program ends.
QString makeIdlePipe(const QString &folder);

// A device that never ends or never answers: /dev/zero, or CON on Windows.
QString endlessDevice();

} // namespace kestrin::testing
