// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

// Runs body in a child process, so that limits set there stay there; the
// child's exit status is the result: 0 when body returns true, 1 when it
// returns false, 3 when the child could not drop root, 99 when it did not
// exit normally. Unprivileged, the child gives up root's right to write
// anywhere (it runs as "nobody"), so that permissions mean the same for
// every user who runs the tests.
int runInChild(const std::function<bool()> &body, bool unprivileged = false);
