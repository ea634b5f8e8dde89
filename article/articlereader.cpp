// SPDX-License-Identifier: MIT
// Reading an article file: one pass of a strict JSON parser (RapidJSON's
// SAX reader, in place) whose events are checked against the field table as they
// come, with the place of every key and value (ArticleHandler, FieldReader).
// Nothing but the article's own texts and a bounded list of problems is
// kept, so that time and memory stay linear in the size of the file.

#include "articlereader.h"
#include "articlehandler.h"
#include "filereading.h"
#include "jsonsyntax.h"
#include "readermessages.h"

#include <rapidjson/reader.h>

#include <algorithm>

namespace kestrin {

using reading::ArticleReader;

ArticleReadResult readArticle(const QByteArray &source, const QList<ArticleOverride> &overrides)
{
    auto fail = [](SourcePlace place, const QString &message) {
        ArticleReadResult result;
        result.problems.append({place.line, place.column, -1, message});
        return result;
    };

    QByteArrayView json = source;
    if (json.startsWith("\xEF\xBB\xBF"))
        json = json.sliced(3);
    else if (const char *encoding = reading::otherUnicodeEncoding(json))
        return fail({1, 1}, ArticleReader::tr("the file is in %1; an article file must be saved as UTF-8")
                                .arg(QLatin1String(encoding)));
    if (json.trimmed().isEmpty())
        return fail({1, 1}, ArticleReader::tr("the file is empty; an article file holds one JSON object"));

    // Parsed in place, in a copy: each string is decoded over its own text,
    // so that the parser needs no buffer of its own. (The copy ends in NUL
    // bytes, where the parser stops; the UTF-8 check takes all the
    // continuation bytes a lead byte announces before it looks at them, so
    // three more stand behind the terminator for a lead byte at the end.)
    // The handler stops the parser before its recursion goes deeper than
    // kMaxNesting.
    QByteArray copy;
    copy.reserve(json.size() + 4);
    copy.append(json).append(3, '\0');
    reading::InPlaceStream stream(copy.data());
    reading::ArticleHandler handler(json, stream, overrides);
    rapidjson::Reader reader;
    const rapidjson::ParseResult parsed =
        reader.Parse<rapidjson::kParseValidateEncodingFlag | rapidjson::kParseInsituFlag>(stream, handler);

    reading::SyntaxError error;
    if (parsed.IsError() && parsed.Code() == rapidjson::kParseErrorTermination)
        error = handler.syntaxError();
    else if (parsed.IsError())
        error = reading::describeSyntaxError(json, parsed.Code(), qsizetype(parsed.Offset()), handler.tokenStart());
    else if (qsizetype(stream.Tell()) < json.size()) // the parser stops at a NUL byte
        error = reading::describeSyntaxError(json, rapidjson::kParseErrorDocumentRootNotSingular,
                                             qsizetype(stream.Tell()), -1);
    if (error.offset >= 0)
        return fail(placeInText(json, error.offset), error.message);
    return handler.finish();
}

QString escapeControlCharacters(QStringView text)
{
    const auto isControl = [](char16_t c) {
        return (c < 0x20 && c != u'\t' && c != u'\n') || (c >= 0x7f && c <= 0x9f);
    };
    if (std::none_of(text.begin(), text.end(), [&](QChar c) { return isControl(c.unicode()); }))
        return text.toString();
    QString out;
    out.reserve(text.size() + 16);
    for (const QChar c : text) {
        if (isControl(c.unicode()))
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

QString quoteForMessage(QStringView text)
{
    QStringView shown = text;
    if (text.size() > kQuotedLength) {
        shown = text.first(kQuotedLength);
        if (shown.back().isHighSurrogate())
            shown.chop(1);
    }
    QString out = QLatin1Char('"') + escapeControlCharacters(shown);
    if (shown.size() < text.size())
        out += QChar(0x2026);
    return out + QLatin1Char('"');
}

ArticleFileRead readArticleFile(const QString &path, const QList<ArticleOverride> &overrides)
{
    ArticleFileRead read;
    const bool standardInput = path == QLatin1String("-");
    // A regular file says its size; standard input, a pipe or a device is
    // read up to one byte beyond the limit, never waiting beyond a request
    // to stop.
    WholeFile whole =
        standardInput ? readStandardInput(kArticleFileSizeLimit) : readWholeFile(path, kArticleFileSizeLimit);
    if (whole.status != WholeFile::Status::Read) {
        read.error = whole.status == WholeFile::Status::TooLarge
                         ? ArticleReader::tr("%1 is larger than %2 MiB, the most an article file may hold")
                               .arg(standardInput ? ArticleReader::tr("the input") : ArticleReader::tr("the file"))
                               .arg(kArticleFileSizeLimit / (1024 * 1024))
                         : whole.error;
        return read;
    }
    read.readable = true;
    read.result = readArticle(whole.bytes, overrides);
    return read;
}

} // namespace kestrin
