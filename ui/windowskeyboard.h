// SPDX-License-Identifier: MIT
#pragma once

// The Windows keyboard's lock states, kept apart from the widgets because
// <windows.h> defines macros that clash with Qt's names.

namespace kestrin::ui::windows {

// Num Lock, Caps Lock and the Insert key's toggle, from the keyboard state
// of this thread's input queue.
void readLocks(bool &numLock, bool &capsLock, bool &insert);

} // namespace kestrin::ui::windows
