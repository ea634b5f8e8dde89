// SPDX-License-Identifier: MIT
#include "textsink.h"

#include <algorithm>
#include <cstring>

namespace kestrin {

namespace {

// ASCII, with a backslash first where the table asks for one, straight
// into the buffer; stops at the first character that is not ASCII and
// returns where it stopped.
template <typename Out, bool Escape>
qsizetype copyAscii(Out *&out, const char16_t *in, qsizetype from, qsizetype size, const EscapeTable *escape)
{
    qsizetype i = from;
    for (; i < size; ++i) {
        const char16_t c = in[i];
        if (c >= 0x80)
            break;
        if constexpr (Escape) {
            // Without a branch: the backslash is written every time and
            // overwritten by the character when it needs none.
            const bool escaped = (*escape)[c];
            *out = Out('\\');
            out[escaped] = Out(c);
            out += 1 + escaped;
        } else {
            *out++ = Out(c);
        }
    }
    return i;
}

} // namespace

TextSink::TextSink(Mode mode, ChunkWriter write)
    : m_mode(mode)
    , m_write(std::move(write))
{
}

void TextSink::expect(qsizetype size)
{
    if (m_mode == Mode::Utf8)
        m_bytes.reserve(size);
}

void TextSink::append(QStringView text, const EscapeTable *escape)
{
    if (text.isEmpty())
        return;
    if (text.size() <= kChunk && !m_stopped) {
        if (m_mode == Mode::Text)
            appendText(text, escape);
        else
            appendUtf8(text, escape);
        if (m_mode == Mode::Stream && m_bytesUsed >= kChunk)
            flush();
        return;
    }
    // A long text is taken a slice at a time, so that a stream never holds
    // more than a few chunks' worth of bytes.
    for (qsizetype pos = 0; pos < text.size() && !m_stopped; pos += kChunk) {
        const QStringView slice = text.mid(pos, std::min(kChunk, text.size() - pos));
        if (m_mode == Mode::Text)
            appendText(slice, escape);
        else
            appendUtf8(slice, escape);
        if (m_mode == Mode::Stream && m_bytesUsed >= kChunk)
            flush();
    }
}

char16_t *TextSink::textRoom(qsizetype size)
{
    if (m_textUsed + size > m_text.size())
        m_text.resize(std::max(m_textUsed + size, m_text.size() + m_text.size() / 2 + 1024));
    return reinterpret_cast<char16_t *>(m_text.data()) + m_textUsed;
}

char *TextSink::byteRoom(qsizetype size)
{
    if (m_bytesUsed + size > m_bytes.size())
        m_bytes.resize(std::max(m_bytesUsed + size, m_bytes.size() + m_bytes.size() / 2 + 1024));
    return m_bytes.data() + m_bytesUsed;
}

void TextSink::appendText(QStringView text, const EscapeTable *escape)
{
    const char16_t *in = text.utf16();
    const qsizetype size = text.size();
    char16_t *const start = textRoom(escape ? 2 * size : size);
    char16_t *out = start;
    if (!escape) {
        std::memcpy(out, in, size_t(size) * sizeof(char16_t));
        out += size;
    } else {
        for (qsizetype i = 0; i < size;) {
            i = copyAscii<char16_t, true>(out, in, i, size, escape);
            for (; i < size && in[i] >= 0x80; ++i)
                *out++ = in[i];
        }
    }
    m_textUsed += out - start;
}

void TextSink::appendUtf8(QStringView text, const EscapeTable *escape)
{
    const char16_t *in = text.utf16();
    const qsizetype size = text.size();
    // At most three bytes a character (a backslash and ASCII are two), and
    // room for a held surrogate's replacement.
    char *const start = byteRoom(3 * size + 8);
    char *out = start;
    // Hands one ASCII character (and its backslash) to the encoder, so that
    // a high surrogate it holds is written first, as it would be.
    auto throughEncoder = [&](char16_t c) {
        char16_t pair[2];
        qsizetype n = 0;
        if (escape && (*escape)[c])
            pair[n++] = u'\\';
        pair[n++] = c;
        out = m_encoder.appendToBuffer(out, QStringView(pair, n));
    };
    qsizetype i = 0;
    if (m_encoderHolds && size > 0 && in[0] < 0x80) {
        throughEncoder(in[0]);
        i = 1;
    }
    m_encoderHolds = false;
    while (i < size) {
        i = escape ? copyAscii<char, true>(out, in, i, size, escape)
                   : copyAscii<char, false>(out, in, i, size, nullptr);
        if (i == size)
            break;
        qsizetype end = i + 1;
        while (end < size && in[end] >= 0x80)
            ++end;
        out = m_encoder.appendToBuffer(out, text.mid(i, end - i));
        if (QChar::isHighSurrogate(in[end - 1])) {
            if (end < size)
                throughEncoder(in[end++]);
            else
                m_encoderHolds = true;
        }
        i = end;
    }
    m_bytesUsed += out - start;
}

void TextSink::flush()
{
    if (m_stopped || m_bytesUsed == 0)
        return;
    m_stopped = !m_write(QByteArrayView(m_bytes.constData(), m_bytesUsed));
    m_bytesUsed = 0; // keeps the storage for the next chunk
}

QString TextSink::takeText()
{
    m_text.resize(m_textUsed);
    m_textUsed = 0;
    return std::move(m_text);
}

QByteArray TextSink::takeBytes()
{
    m_bytes.resize(m_bytesUsed);
    m_bytesUsed = 0;
    return std::move(m_bytes);
}

bool TextSink::finishStream()
{
    flush();
    return !m_stopped;
}

} // namespace kestrin
