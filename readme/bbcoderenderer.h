// SPDX-License-Identifier: MIT
#pragma once

// The ReadMe as a forum post in BBCode, CR LF between lines.

#include "readmemodel.h"
#include "textsink.h"

namespace kestrin {

void renderBBCode(const ReadmeModel &model, TextSink &out);

} // namespace kestrin
