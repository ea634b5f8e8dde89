// SPDX-License-Identifier: MIT
#include "textsink.h"

#include <algorithm>
#include <cstring>

namespace kestrin {

TextSink::TextSink(Mode mode, ChunkWriter write)
    : m_mode(mode)
    , m_write(std::move(write))
{
}

void TextSink::expect(qsizetype size)
{
    if (m_mode == Mode::Utf8) {
        m_bytes.reserve(size);
        m_bytesData = m_bytes.data();
        m_bytesRoom = m_bytes.size();
    }
}

void TextSink::appendSlices(QStringView text, const EscapeTable *escape)
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

void TextSink::growBytes(qsizetype need)
{
    m_bytes.resize(std::max(need, m_bytes.size() + m_bytes.size() / 2 + 1024));
    m_bytesData = m_bytes.data();
    m_bytesRoom = m_bytes.size();
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
            i = copyAsciiEscaped(out, in, i, size, *escape);
            for (; i < size && in[i] >= 0x80; ++i)
                *out++ = in[i];
        }
    }
    m_textUsed += out - start;
}

char *TextSink::appendUtf8From(char *out, QStringView text, qsizetype i, const EscapeTable *escape)
{
    const char16_t *in = text.utf16();
    const qsizetype size = text.size();
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
    if (m_encoderHolds && size > 0 && in[0] < 0x80) {
        throughEncoder(in[0]);
        i = 1;
    }
    m_encoderHolds = false;
    while (i < size) {
        i = copyAsciiToUtf8(out, in, i, size, escape);
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
    return out;
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
    m_bytesData = nullptr;
    m_bytesRoom = 0;
    return std::move(m_bytes);
}

bool TextSink::finishStream()
{
    flush();
    return !m_stopped;
}

} // namespace kestrin
