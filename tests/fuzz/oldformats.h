// SPDX-License-Identifier: MIT
#pragma once

#include "readmeformats.h"

namespace kestrin::oracle {

QString renderReadme(const ReadmeModel &model, ReadmeFormat format);
QByteArray renderReadmeUtf8(const ReadmeModel &model, ReadmeFormat format);
bool renderReadmeUtf8(const ReadmeModel &model, ReadmeFormat format, const std::function<bool(QByteArrayView)> &write);

} // namespace kestrin::oracle
