#include "io/BmpDecoder.h"

#include "io/AreaDownsampler.h"
#include "io/ColourTransform.h"
#include "io/QtFormatDecoder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

namespace {

enum Compression : quint32 { rgb = 0, rle8 = 1, rle4 = 2, bitFields = 3, alphaBitFields = 6 };

class LittleEndianView
{
public:
    explicit LittleEndianView(const QByteArray& data)
        : m_data(reinterpret_cast<const uchar*>(data.constData()))
        , m_size(data.size())
    { }
    bool has(qint64 offset, qint64 length) const
    {
        return offset >= 0 && length >= 0 && offset + length <= m_size;
    }
    quint32 u16(qint64 offset) const { return quint32(m_data[offset]) | quint32(m_data[offset + 1]) << 8; }
    quint32 u32(qint64 offset) const { return u16(offset) | u16(offset + 2) << 16; }
    const uchar* at(qint64 offset) const { return m_data + offset; }

private:
    const uchar* m_data;
    qint64 m_size;
};

// One channel described by a bit mask, widened to 8 bits.
struct Channel
{
    quint32 mask = 0;
    int shift = 0;
    quint32 maximum = 0;

    explicit Channel(quint32 bits = 0)
        : mask(bits)
        , shift(bits ? std::countr_zero(bits) : 0)
        , maximum(bits ? (bits >> shift) : 0)
    { }
    int value(quint32 pixel) const { return maximum ? int(((pixel & mask) >> shift) * 255 / maximum) : 0; }
};

struct Layout
{
    qint64 width = 0;
    qint64 height = 0;
    bool topDown = false;
    int bitsPerPixel = 0;
    quint32 compression = rgb;
    qint64 pixelOffset = 0;
    qint64 stride = 0;
    Channel red, green, blue, alpha;
    std::vector<QRgb> palette;
};

std::optional<Layout> readLayout(const QByteArray& data)
{
    const LittleEndianView bytes(data);
    if (!bytes.has(0, 18)) {
        return std::nullopt;
    }
    Layout layout;
    layout.pixelOffset = bytes.u32(10);
    const qint64 headerSize = bytes.u32(14);
    if (!bytes.has(14, headerSize)) {
        return std::nullopt;
    }
    qint64 paletteOffset = 14 + headerSize;
    int paletteEntrySize = 4;
    quint32 coloursUsed = 0;
    if (headerSize == 12) {
        layout.width = bytes.u16(18);
        layout.height = bytes.u16(20);
        layout.bitsPerPixel = int(bytes.u16(24));
        paletteEntrySize = 3;
    } else if (headerSize >= 40) {
        layout.width = qint32(bytes.u32(18));
        const qint32 height = qint32(bytes.u32(22));
        layout.topDown = height < 0;
        layout.height = height < 0 ? -qint64(height) : qint64(height);
        layout.bitsPerPixel = int(bytes.u16(28));
        layout.compression = bytes.u32(30);
        coloursUsed = bytes.u32(46);
        if (layout.compression == bitFields || layout.compression == alphaBitFields) {
            // Masks follow a plain 40-byte header, or sit inside the larger ones.
            const qint64 maskCount = headerSize > 40 ? (headerSize >= 56 ? 4 : 3)
                                                     : (layout.compression == alphaBitFields ? 4 : 3);
            if (!bytes.has(54, maskCount * 4)) {
                return std::nullopt;
            }
            layout.red = Channel(bytes.u32(54));
            layout.green = Channel(bytes.u32(58));
            layout.blue = Channel(bytes.u32(62));
            if (maskCount == 4) {
                layout.alpha = Channel(bytes.u32(66));
            }
            if (headerSize == 40) {
                paletteOffset += maskCount * 4;
            }
        } else if (headerSize >= 56 && layout.bitsPerPixel == 32 && bytes.has(66, 4)) {
            layout.alpha = Channel(bytes.u32(66));
        }
    } else {
        return std::nullopt;
    }
    if (layout.width <= 0 || layout.height <= 0) {
        return std::nullopt;
    }
    if (layout.compression == rgb) {
        if (layout.bitsPerPixel == 16) {
            layout.red = Channel(0x7c00);
            layout.green = Channel(0x03e0);
            layout.blue = Channel(0x001f);
        } else if (layout.bitsPerPixel == 32) {
            layout.red = Channel(0x00ff0000);
            layout.green = Channel(0x0000ff00);
            layout.blue = Channel(0x000000ff);
        }
    }
    if (layout.bitsPerPixel <= 8) {
        const qint64 entries = coloursUsed > 0 && coloursUsed <= (1u << layout.bitsPerPixel)
            ? coloursUsed
            : (qint64(1) << layout.bitsPerPixel);
        for (qint64 index = 0; index < entries && bytes.has(paletteOffset + index * paletteEntrySize, 3);
             ++index) {
            const uchar* entry = bytes.at(paletteOffset + index * paletteEntrySize);
            layout.palette.push_back(qRgb(entry[2], entry[1], entry[0]));
        }
    }
    layout.stride = (layout.width * layout.bitsPerPixel + 31) / 32 * 4;
    return layout;
}

bool supportedDepth(int bitsPerPixel)
{
    constexpr std::array<int, 6> depths { 1, 4, 8, 16, 24, 32 };
    return std::find(depths.begin(), depths.end(), bitsPerPixel) != depths.end();
}

void unpackRow(const Layout& layout, const uchar* source, QRgb* row)
{
    const bool hasAlpha = layout.alpha.mask != 0;
    for (qint64 x = 0; x < layout.width; ++x) {
        switch (layout.bitsPerPixel) {
        case 1:
        case 4:
        case 8: {
            const int bits = layout.bitsPerPixel;
            const qint64 bit = x * bits;
            const int index = (source[bit / 8] >> (8 - bits - int(bit % 8))) & ((1 << bits) - 1);
            row[x] = std::size_t(index) < layout.palette.size() ? layout.palette[std::size_t(index)]
                                                                : qRgb(0, 0, 0);
            break;
        }
        case 24:
            row[x] = qRgb(source[x * 3 + 2], source[x * 3 + 1], source[x * 3]);
            break;
        default: {
            const quint32 pixel = layout.bitsPerPixel == 16
                ? quint32(source[x * 2]) | quint32(source[x * 2 + 1]) << 8
                : quint32(source[x * 4]) | quint32(source[x * 4 + 1]) << 8 | quint32(source[x * 4 + 2]) << 16
                    | quint32(source[x * 4 + 3]) << 24;
            const QRgb colour = qRgba(layout.red.value(pixel), layout.green.value(pixel),
                layout.blue.value(pixel), hasAlpha ? layout.alpha.value(pixel) : 255);
            row[x] = hasAlpha ? qPremultiply(colour) : colour;
            break;
        }
        }
    }
}

// A version 5 header may embed an ICC profile, placed relative to the header's start.
ColourProfile embeddedProfile(const QByteArray& data)
{
    const LittleEndianView bytes(data);
    constexpr quint32 embedded = 0x4d424544; // 'MBED'
    if (!bytes.has(14, 124) || bytes.u32(14) < 124 || bytes.u32(14 + 56) != embedded) {
        return {};
    }
    const qint64 offset = 14 + qint64(bytes.u32(14 + 112));
    const qint64 size = bytes.u32(14 + 116);
    if (!bytes.has(offset, size)) {
        return {};
    }
    return ColourProfile::fromIcc(data.mid(offset, size));
}

} // namespace

std::optional<ImageDecoder::Probe> BmpDecoder::probe(const QByteArray& data)
{
    const std::optional<Layout> layout = readLayout(data);
    if (!layout || layout->width > 0x7fffffff || layout->height > 0x7fffffff) {
        return std::nullopt;
    }
    ImageDecoder::Probe result;
    result.container = ImageDecoder::Container::bmp;
    result.storedSize = QSize(int(layout->width), int(layout->height));
    return result;
}

QImage BmpDecoder::decode(const QByteArray& data, QSize outputSize, QImage::Format opaqueFormat)
{
    const std::optional<Layout> layout = readLayout(data);
    if (!layout) {
        return {};
    }
    if (layout->compression == rle8 || layout->compression == rle4) {
        QImage result = QtFormatDecoder::decode(data, ImageDecoder::Container::bmp, outputSize, opaqueFormat);
        ColourTransform::convertToSrgb(result, embeddedProfile(data));
        return result;
    }
    const bool uncompressed = layout->compression == rgb
        || ((layout->compression == bitFields || layout->compression == alphaBitFields)
            && (layout->bitsPerPixel == 16 || layout->bitsPerPixel == 32));
    const LittleEndianView bytes(data);
    if (!uncompressed || !supportedDepth(layout->bitsPerPixel)
        || !bytes.has(layout->pixelOffset, layout->stride * layout->height)) {
        return {};
    }
    const QSize size(int(layout->width), int(layout->height));
    AreaDownsampler downsampler(size, outputSize, layout->alpha.mask == 0, opaqueFormat);
    if (downsampler.isNull()) {
        return {};
    }
    std::vector<QRgb> row(std::size_t(layout->width));
    for (qint64 y = 0; y < layout->height; ++y) {
        // Bitmaps are stored bottom row first unless the height is negative.
        const qint64 storedRow = layout->topDown ? y : layout->height - 1 - y;
        unpackRow(*layout, bytes.at(layout->pixelOffset + storedRow * layout->stride), row.data());
        downsampler.addRow(row.data());
    }
    QImage result = downsampler.result();
    ColourTransform::convertToSrgb(result, embeddedProfile(data));
    return result;
}
