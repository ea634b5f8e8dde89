// SPDX-License-Identifier: MIT
#pragma once

// The X11 keyboard's lock indicators through XKB. Kept apart because the X11
// headers define macros that clash with Qt's names.

namespace kestrin::ui::x11 {

// True on an X11 display whose server has XKB.
bool available();

// Asks the server to report indicator changes; returns XKB's event base, or
// -1 when it cannot.
int selectIndicatorEvents();

// Whether an xcb event is XKB's indicator-state notification.
bool isIndicatorEvent(const void *xcbEvent, int xkbEventBase);

// Reads the Num Lock and Caps Lock indicators; false when it cannot.
bool readLocks(bool &numLock, bool &capsLock);

} // namespace kestrin::ui::x11
