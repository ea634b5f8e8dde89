// SPDX-License-Identifier: MIT
#pragma once

// Where the renderers write: the rendered text gathered as one string, as
// UTF-8 bytes, or as UTF-8 bytes handed on chunk by chunk so that not even
// they are kept. Text reaches the bytes in one pass, without a copy in
// between.

#include "textscan.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringEncoder>
#include <QStringView>

#include <functional>

namespace kestrin {

class TextSink {
public:
    enum class Mode { Text, Utf8, Stream };
    using ChunkWriter = std::function<bool(QByteArrayView)>;

    explicit TextSink(Mode mode, ChunkWriter write = {});

    // Appends the text as it stands.
    TextSink &operator<<(QStringView text)
    {
        append(text, nullptr);
        return *this;
    }
    TextSink &operator<<(QChar c) { return *this << QStringView(&c, 1); }

    // Appends the text with a backslash before each ASCII character that
    // escape marks.
    void appendEscaped(QStringView text, const EscapeTable &escape) { append(text, &escape); }

    // A string made while rendering, kept as long as the sink.
    QStringView keep(QString text)
    {
        m_owned.append(std::move(text));
        return m_owned.constLast();
    }

    // Room for about this many characters or bytes, so that a large text is
    // not copied as it grows.
    void expect(qsizetype size);

    QString takeText();
    QByteArray takeBytes();
    // Hands on what is left; false when the writer stopped taking chunks.
    bool finishStream();

private:
    // Bytes gathered before a stream hands them on; a long text is taken a
    // slice of this many characters at a time.
    static constexpr qsizetype kChunk = 64 * 1024;

    // Here, so that the renderers' many short appends of ASCII cost little.
    void append(QStringView text, const EscapeTable *escape)
    {
        if (m_mode == Mode::Text || text.size() > kChunk || m_stopped) {
            appendSlices(text, escape);
            return;
        }
        appendUtf8(text, escape);
        if (m_mode == Mode::Stream && m_bytesUsed >= kChunk)
            flush();
    }
    void appendSlices(QStringView text, const EscapeTable *escape);
    void appendText(QStringView text, const EscapeTable *escape);
    void appendUtf8(QStringView text, const EscapeTable *escape)
    {
        const qsizetype size = text.size();
        // A few characters as they stand (line breaks, list marks): copied
        // here when they are ASCII.
        if (!escape && size <= 4 && !m_encoderHolds) {
            const char16_t *in = text.utf16();
            bool ascii = true;
            for (qsizetype k = 0; k < size; ++k)
                ascii = ascii && in[k] < 0x80;
            if (ascii) {
                char *out = byteRoom(size);
                for (qsizetype k = 0; k < size; ++k)
                    out[k] = char(in[k]);
                m_bytesUsed += size;
                return;
            }
        }
        // At most three bytes a character (a backslash and ASCII are two),
        // room for a held surrogate's replacement, and for the sixteen bytes
        // that copyAsciiToUtf8 may write beyond the end.
        char *const start = byteRoom(3 * size + 32);
        char *out = start;
        // The usual case: all of it ASCII, straight into the buffer.
        const qsizetype ascii = m_encoderHolds ? 0 : copyAsciiToUtf8(out, text.utf16(), 0, size, escape);
        if (ascii < size)
            out = appendUtf8From(out, text, ascii, escape);
        m_bytesUsed += out - start;
    }
    // From the first character that is not ASCII, or with a surrogate held.
    char *appendUtf8From(char *out, QStringView text, qsizetype i, const EscapeTable *escape);
    // Room for size more characters (Text) or bytes (the others).
    char16_t *textRoom(qsizetype size);
    char *byteRoom(qsizetype size)
    {
        if (m_bytesUsed + size > m_bytesRoom)
            growBytes(m_bytesUsed + size);
        return m_bytesData + m_bytesUsed;
    }
    void growBytes(qsizetype need);
    void flush();

    Mode m_mode;
    ChunkWriter m_write;
    bool m_stopped = false; // the writer took no more
    QStringList m_owned;
    QString m_text;
    qsizetype m_textUsed = 0;
    QByteArray m_bytes;
    qsizetype m_bytesUsed = 0;
    // m_bytes's storage and size, kept at hand for the many small appends.
    char *m_bytesData = nullptr;
    qsizetype m_bytesRoom = 0;
    // Everything that is not ASCII goes through Qt's encoder, which keeps a
    // high surrogate that ended its input until the next call; the next
    // character then goes through it too.
    QStringEncoder m_encoder{QStringEncoder::Utf8};
    bool m_encoderHolds = false;
};

} // namespace kestrin
