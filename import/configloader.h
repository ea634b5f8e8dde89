// SPDX-License-Identifier: MIT
#pragma once

// Reads one config file of a folder or PBO, text or binarized (told apart
// by the raP signature, not by the name), following #include inside the
// same folder or PBO only.

#include "configtree.h"
#include "contentsource.h"
#include "textconfig.h"

#include <optional>

namespace kestrin::import {

// The parse, or nothing (with a note in *notes) when the file could not be
// read at all.
std::optional<ConfigParse> loadConfig(ContentSource &source, const QString &relative, ImportNotes &notes,
                                      const ClassFilter &keep = {}, const TextConfigLimits &limits = {});

// Parses bytes already read, the same way.
ConfigParse parseConfig(const QByteArray &data, const SourceRef &where, ContentSource *includes,
                        const QString &relative, const ClassFilter &keep = {}, const TextConfigLimits &limits = {});

} // namespace kestrin::import
