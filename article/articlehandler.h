// SPDX-License-Identifier: MIT
#pragma once

// The events of RapidJSON's SAX reader, followed through the article's
// objects and arrays with the place of every key and value: each value goes
// to its key's check (FieldReader); the structure's own problems (nesting,
// a lone surrogate half, a top value that is no object) end or mark the
// reading.

#include "articlereader.h"
#include "articlesource.h"
#include "fieldreader.h"
#include "jsonsyntax.h"
#include "overridetable.h"

#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>

#include <rapidjson/reader.h>

#include <cstdint>
#include <optional>

namespace kestrin::reading {

// RapidJSON's in-place string stream, without the copy of the stream that
// the parser otherwise works on (and writes back only when a token is
// read): so the handler learns from Tell() where each token ends.
struct InPlaceStream : rapidjson::InsituStringStream {
    using rapidjson::InsituStringStream::InsituStringStream;
};

struct Frame {
    FrameKind kind = FrameKind::Skip;
    QString path;                         // of the object or array
    const ArticleField *field = nullptr;  // Lines: the field of the text
    QHash<QString, SourcePlace> seenKeys; // Object: known keys given so far
    QString text;                         // Lines: the lines so far, joined by CR LF
    qsizetype lines = 0;                  // Lines: how many were read
    bool linesOk = true;
};

class ArticleHandler {
public:
    ArticleHandler(QByteArrayView json, InPlaceStream &stream, const QList<ArticleOverride> &overrides)
        : m_json(json)
        , m_stream(stream)
        , m_places(json)
        , m_fields(m_problems)
        , m_overrides(overrides, m_problems)
    {
    }

    // Called after the whole text was read without a syntax error.
    ArticleReadResult finish();

    // A problem that the handler found in the text, which ends the reading.
    const SyntaxError &syntaxError() const { return m_syntaxError; }
    // Where the token after the last one read begins: after white space and
    // one "," or ":". Every byte is looked at once.
    qsizetype tokenStart() const;

    // RapidJSON's SAX interface.
    bool Null() { return scalar({ValueType::Null}); }
    bool Bool(bool) { return scalar({ValueType::Bool}); }
    bool Int(int i) { return scalar({ValueType::Number, {}, double(i)}); }
    bool Uint(unsigned i) { return scalar({ValueType::Number, {}, double(i)}); }
    bool Int64(int64_t i) { return scalar({ValueType::Number, {}, double(i)}); }
    bool Uint64(uint64_t i) { return scalar({ValueType::Number, {}, double(i)}); }
    bool Double(double d) { return scalar({ValueType::Number, {}, d}); }
    bool RawNumber(const char *, rapidjson::SizeType, bool) { return true; }
    bool String(const char *s, rapidjson::SizeType length, bool);
    bool Key(const char *s, rapidjson::SizeType length, bool);
    bool StartObject() { return start(ValueType::Object); }
    bool EndObject(rapidjson::SizeType) { return end(); }
    bool StartArray() { return start(ValueType::Array); }
    bool EndArray(rapidjson::SizeType) { return end(); }

private:
    struct Member {
        QString path;
        const ArticleField *field = nullptr; // nullptr: not read
        Where keyWhere;
    };

    Where here(qsizetype offset) { return {m_places.place(offset), -1}; }
    bool textOfString(qsizetype startAt, const char *s, rapidjson::SizeType length, QString &out);

    bool scalar(const Value &value);
    bool start(ValueType type);
    bool end();
    FrameKind take(const Value &value, const Where &valueWhere);
    FrameKind takeLine(Frame &frame, const Value &value, const Where &valueWhere);

    QByteArrayView m_json;
    InPlaceStream &m_stream;
    SourcePlaces m_places;

    qsizetype m_end = 0; // where the last token ended
    QList<Frame> m_frames;
    int m_skipped = 0; // levels open inside the innermost skipped value
    std::optional<Member> m_member;

    ProblemList m_problems;
    FieldReader m_fields;
    OverrideTable m_overrides;
    std::optional<ArticleProblem> m_rootProblem;
    SyntaxError m_syntaxError;
};

} // namespace kestrin::reading
