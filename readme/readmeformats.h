// SPDX-License-Identifier: MIT
#pragma once

// The ReadMe written out in each format it is published in: the plain-text
// file, a forum post in BBCode and a Markdown (CommonMark) README. All three
// carry the same facts in the same order.

#include "readmemodel.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace kestrin {

enum class ReadmeFormat { PlainText, BBCode, Markdown };

inline constexpr ReadmeFormat kReadmeFormats[] = {ReadmeFormat::PlainText, ReadmeFormat::BBCode,
                                                  ReadmeFormat::Markdown};

// "text", "bbcode", "markdown" (the command line's names), and back.
QString formatKey(ReadmeFormat format);
std::optional<ReadmeFormat> formatByKey(QStringView key);

// The whole file as text, the final line end included: the plain text with
// CR LF, BBCode with CR LF, Markdown with LF.
QString renderReadme(const ReadmeModel &model, ReadmeFormat format);

// An export's bytes: UTF-8 without a byte-order mark (BBCode and Markdown;
// the plain text is written in a code page, see ReadmeDocument). Encoded as
// it is rendered, so the text never exists twice in memory.
QByteArray renderReadmeUtf8(const ReadmeModel &model, ReadmeFormat format);

// The same bytes handed to write in chunks of some tens of kilobytes as
// they are encoded, so that the whole file never exists in memory. Once
// write returns false no more chunks come, and the result is false.
bool renderReadmeUtf8(const ReadmeModel &model, ReadmeFormat format, const std::function<bool(QByteArrayView)> &write);

} // namespace kestrin
