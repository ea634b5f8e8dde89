// SPDX-License-Identifier: MIT
// Elsewhere fontconfig (or the system itself) already answers every family
// with the closest face it has.
#include "systemfonts.h"

namespace kestrin::ui {

void replaceMissingSystemFonts()
{
}

} // namespace kestrin::ui
