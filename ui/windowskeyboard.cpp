// SPDX-License-Identifier: MIT
#include "windowskeyboard.h"

#include <windows.h>

namespace kestrin::ui::windows {

void readLocks(bool &numLock, bool &capsLock, bool &insert)
{
    // The low bit of a key's state is its toggle.
    numLock = (GetKeyState(VK_NUMLOCK) & 1) != 0;
    capsLock = (GetKeyState(VK_CAPITAL) & 1) != 0;
    insert = (GetKeyState(VK_INSERT) & 1) != 0;
}

} // namespace kestrin::ui::windows
