#include "io/GifFrameCheck.h"

#include <array>

namespace {

// Reads GIF data sub-blocks (a length byte, then that many bytes, until a zero length) as one
// stream of codes, least significant bit first.
class SubBlockBits
{
public:
    SubBlockBits(QByteArrayView bytes, qsizetype offset)
        : m_bytes(bytes)
        , m_next(offset)
    { }

    // The next code of `width` bits; -1 when the data ends first.
    int read(int width)
    {
        while (m_bits < width) {
            const int byte = nextByte();
            if (byte < 0) {
                return -1;
            }
            m_accumulator |= quint32(byte) << m_bits;
            m_bits += 8;
        }
        const int code = int(m_accumulator & ((1u << width) - 1));
        m_accumulator >>= width;
        m_bits -= width;
        return code;
    }

private:
    int nextByte()
    {
        if (m_left == 0) {
            if (m_next >= m_bytes.size() || m_bytes[m_next] == 0) {
                return -1;
            }
            m_left = quint8(m_bytes[m_next++]);
        }
        if (m_next >= m_bytes.size()) {
            return -1;
        }
        --m_left;
        return quint8(m_bytes[m_next++]);
    }

    QByteArrayView m_bytes;
    qsizetype m_next;
    int m_left = 0;
    quint32 m_accumulator = 0;
    int m_bits = 0;
};

// Pixels that the LZW stream decodes to, counted without decoding them: each table entry's
// length is all that matters. Stops once `wanted` pixels are reached.
qint64 decodedPixels(SubBlockBits& bits, int minimumCodeSize, qint64 wanted)
{
    const int clear = 1 << minimumCodeSize;
    const int end = clear + 1;
    std::array<quint32, 4096> lengths {};
    int width = minimumCodeSize + 1;
    int next = end + 1;
    int previous = -1;
    qint64 pixels = 0;
    while (pixels < wanted) {
        const int code = bits.read(width);
        if (code < 0 || code == end) {
            break;
        }
        if (code == clear) {
            width = minimumCodeSize + 1;
            next = end + 1;
            previous = -1;
            continue;
        }
        if (previous < 0) {
            if (code > clear) {
                break;
            }
            pixels += 1;
            previous = code;
            continue;
        }
        if (code > next || (code == next && next >= 4096)) {
            break;
        }
        const quint32 previousLength = previous < clear ? 1 : lengths[std::size_t(previous)];
        const quint32 length
            = code < clear ? 1 : (code == next ? previousLength + 1 : lengths[std::size_t(code)]);
        pixels += length;
        if (next < 4096) {
            lengths[std::size_t(next++)] = previousLength + 1;
            if (next == (1 << width) && width < 12) {
                ++width;
            }
        }
        previous = code;
    }
    return pixels;
}

// The offset after a run of sub-blocks starting at `offset`; -1 when they run past the end.
qsizetype skipSubBlocks(QByteArrayView bytes, qsizetype offset)
{
    while (offset < bytes.size()) {
        const int length = quint8(bytes[offset]);
        if (length == 0) {
            return offset + 1;
        }
        offset += 1 + length;
    }
    return -1;
}

int littleEndian16(QByteArrayView bytes, qsizetype offset)
{
    return quint8(bytes[offset]) | quint8(bytes[offset + 1]) << 8;
}

} // namespace

bool GifFrameCheck::firstFrameComplete(QByteArrayView bytes)
{
    constexpr qsizetype screenDescriptorEnd = 13;
    if (bytes.size() < screenDescriptorEnd) {
        return false;
    }
    const int screenFlags = quint8(bytes[10]);
    qsizetype offset = screenDescriptorEnd + ((screenFlags & 0x80) ? 3 * (2 << (screenFlags & 7)) : 0);
    while (offset >= 0 && offset < bytes.size()) {
        const int introducer = quint8(bytes[offset]);
        if (introducer == 0x21 && offset + 2 <= bytes.size()) {
            offset = skipSubBlocks(bytes, offset + 2);
            continue;
        }
        if (introducer != 0x2c || offset + 11 > bytes.size()) {
            return false;
        }
        const qint64 width = littleEndian16(bytes, offset + 5);
        const qint64 height = littleEndian16(bytes, offset + 7);
        const int flags = quint8(bytes[offset + 9]);
        offset += 10 + ((flags & 0x80) ? 3 * (2 << (flags & 7)) : 0);
        if (offset >= bytes.size()) {
            return false;
        }
        const int minimumCodeSize = quint8(bytes[offset]);
        if (minimumCodeSize < 1 || minimumCodeSize > 11) {
            return false;
        }
        SubBlockBits bits(bytes, offset + 1);
        return decodedPixels(bits, minimumCodeSize, width * height) >= width * height;
    }
    return false;
}
