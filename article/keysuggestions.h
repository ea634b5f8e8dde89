// SPDX-License-Identifier: MIT
#pragma once

// Unknown keys: the message names the known key nearest to the one written.

#include <QString>
#include <QStringView>

namespace kestrin::reading {

// "unknown key ...; the closest known key is ..."
QString unknownKeyMessage(QStringView path);

} // namespace kestrin::reading
