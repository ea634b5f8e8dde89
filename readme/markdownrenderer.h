// SPDX-License-Identifier: MIT
#pragma once

// The ReadMe as a Markdown (CommonMark) README, LF between lines. The
// user's text is escaped where it would be taken as markup, lines that read
// as list items become list items, and the lines of a paragraph are joined
// by hard line breaks.

#include "readmemodel.h"
#include "textsink.h"

namespace kestrin {

void renderMarkdown(const ReadmeModel &model, TextSink &out);

} // namespace kestrin
