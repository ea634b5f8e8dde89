// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace kestrin::fileio {

// The system's words for a Windows error code, without the closing period
// and line break, as the other systems give them; "Error N" when the system
// has none.
QString systemMessage(unsigned long code);

} // namespace kestrin::fileio
