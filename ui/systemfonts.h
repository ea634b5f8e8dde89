// SPDX-License-Identifier: MIT
#pragma once

// The fonts the system asks for, checked against the fonts it has.

namespace kestrin::ui {

// Where the system names a font it does not have for the application or for
// a kind of widget (menus, the status bar, message boxes...), that font is
// replaced by the system's own sans-serif face, so that no text falls back
// to a serif one. Call once, after the QApplication is made.
void replaceMissingSystemFonts();

} // namespace kestrin::ui
