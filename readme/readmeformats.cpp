// SPDX-License-Identifier: MIT
#include "readmeformats.h"

#include "bbcoderenderer.h"
#include "markdownrenderer.h"
#include "plaintextrenderer.h"
#include "templates.h"
#include "textsink.h"

namespace kestrin {

namespace {

void render(const ReadmeModel &model, ReadmeFormat format, TextSink &out)
{
    switch (format) {
    case ReadmeFormat::PlainText:
        for (QStringView piece : plainTextPieces(model))
            out << piece;
        out << templates::kCrLf;
        break;
    case ReadmeFormat::BBCode: renderBBCode(model, out); break;
    case ReadmeFormat::Markdown: renderMarkdown(model, out); break;
    }
}

} // namespace

QString formatKey(ReadmeFormat format)
{
    switch (format) {
    case ReadmeFormat::BBCode: return QStringLiteral("bbcode");
    case ReadmeFormat::Markdown: return QStringLiteral("markdown");
    case ReadmeFormat::PlainText: break;
    }
    return QStringLiteral("text");
}

std::optional<ReadmeFormat> formatByKey(QStringView key)
{
    for (ReadmeFormat format : kReadmeFormats) {
        if (key.compare(formatKey(format), Qt::CaseInsensitive) == 0)
            return format;
    }
    return std::nullopt;
}

QString renderReadme(const ReadmeModel &model, ReadmeFormat format)
{
    TextSink out(TextSink::Mode::Text);
    render(model, format, out);
    return out.takeText();
}

bool renderReadmeUtf8(const ReadmeModel &model, ReadmeFormat format, const std::function<bool(QByteArrayView)> &write)
{
    TextSink out(TextSink::Mode::Stream, write);
    render(model, format, out);
    return out.finishStream();
}

QByteArray renderReadmeUtf8(const ReadmeModel &model, ReadmeFormat format)
{
    TextSink out(TextSink::Mode::Utf8);
    qsizetype plainSize = 0;
    for (QStringView piece : plainTextPieces(model))
        plainSize += piece.size();
    out.expect(plainSize + plainSize / 8 + 4096);
    render(model, format, out);
    return out.takeBytes();
}

} // namespace kestrin
