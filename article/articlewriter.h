// SPDX-License-Identifier: MIT
#pragma once

#include "article.h"

#include <QByteArray>

namespace kestrin {

// The article as a file: UTF-8 JSON with the keys in form order, multi-line
// texts as arrays of lines, absent optional values left out.
QByteArray writeArticleJson(const Article &article);

} // namespace kestrin
