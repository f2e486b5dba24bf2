#include "io/ExifOrientation.h"

#include "io/MemoryPages.h"

#include <cstring>

namespace {

class TiffView
{
public:
    explicit TiffView(QByteArrayView bytes)
        : m_bytes(bytes)
    { }

    bool valid() const
    {
        if (m_bytes.size() < 8) {
            return false;
        }
        return (m_bytes[0] == 'I' && m_bytes[1] == 'I' && read16(2) == 42)
            || (m_bytes[0] == 'M' && m_bytes[1] == 'M' && read16(2) == 42);
    }
    bool inRange(qint64 offset, qint64 length) const
    {
        return offset >= 0 && length >= 0 && offset + length <= m_bytes.size();
    }
    quint32 read16(qint64 offset) const
    {
        const auto first = quint32(quint8(m_bytes[offset]));
        const auto second = quint32(quint8(m_bytes[offset + 1]));
        return littleEndian() ? (second << 8 | first) : (first << 8 | second);
    }
    quint32 read32(qint64 offset) const
    {
        const quint32 first = read16(offset);
        const quint32 second = read16(offset + 2);
        return littleEndian() ? (second << 16 | first) : (first << 16 | second);
    }

private:
    bool littleEndian() const { return m_bytes[0] == 'I'; }
    QByteArrayView m_bytes;
};

// The stored position of upright pixel (x, y) is affine in x and y:
// sourceX = ax * x + bx * y + cx, sourceY = ay * x + by * y + cy.
struct Mapping
{
    int ax, bx, cx, ay, by, cy;
};

template <std::size_t pixelBytes> void remap(const QImage& source, QImage& upright, const Mapping& mapping)
{
    const uchar* sourceBytes = source.constBits();
    const qint64 stride = source.bytesPerLine();
    const qint64 pixel = qint64(pixelBytes);
    const qint64 stepX = qint64(mapping.ay) * stride + mapping.ax * pixel;
    for (int y = 0; y < upright.height(); ++y) {
        uchar* out = upright.scanLine(y);
        qint64 offset = qint64(mapping.by * y + mapping.cy) * stride + (mapping.bx * y + mapping.cx) * pixel;
        for (int x = 0; x < upright.width(); ++x, offset += stepX, out += pixelBytes) {
            std::memcpy(out, sourceBytes + offset, pixelBytes);
        }
    }
}

} // namespace

int ExifOrientation::fromExif(QByteArrayView exif)
{
    if (exif.startsWith(QByteArrayView("Exif\0\0", 6))) {
        exif = exif.sliced(6);
    }
    const TiffView tiff(exif);
    if (!tiff.valid()) {
        return 1;
    }
    const qint64 directory = tiff.read32(4);
    if (!tiff.inRange(directory, 2)) {
        return 1;
    }
    const quint32 entries = tiff.read16(directory);
    constexpr quint32 orientationTag = 0x0112;
    constexpr quint32 shortType = 3;
    for (quint32 index = 0; index < entries; ++index) {
        const qint64 entry = directory + 2 + qint64(index) * 12;
        if (!tiff.inRange(entry, 12)) {
            return 1;
        }
        if (tiff.read16(entry) != orientationTag) {
            continue;
        }
        if (tiff.read16(entry + 2) != shortType || tiff.read32(entry + 4) < 1) {
            return 1;
        }
        const int value = int(tiff.read16(entry + 8));
        return value >= 1 && value <= 8 ? value : 1;
    }
    return 1;
}

QImage ExifOrientation::apply(const QImage& stored, int orientation)
{
    if (orientation < 2 || orientation > 8 || stored.isNull()) {
        return stored;
    }
    const QImage::Format format = stored.format();
    const QImage source = format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied
            || format == QImage::Format_RGB888
        ? stored
        : stored.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int width = source.width();
    const int height = source.height();
    const bool transposed = orientation >= 5;
    QImage upright(transposed ? QSize(height, width) : QSize(width, height), source.format());
    if (upright.isNull()) {
        return {};
    }
    MemoryPages::populate(upright.bits(), std::size_t(upright.sizeInBytes()));
    const Mapping mappings[] = {
        { -1, 0, width - 1, 0, 1, 0 }, // 2: mirrored left to right
        { -1, 0, width - 1, 0, -1, height - 1 }, // 3: turned half way
        { 1, 0, 0, 0, -1, height - 1 }, // 4: mirrored top to bottom
        { 0, 1, 0, 1, 0, 0 }, // 5: transposed
        { 0, 1, 0, -1, 0, height - 1 }, // 6: turned a quarter clockwise to stand upright
        { 0, -1, width - 1, -1, 0, height - 1 }, // 7: transverse
        { 0, -1, width - 1, 1, 0, 0 }, // 8: turned a quarter anticlockwise to stand upright
    };
    if (source.format() == QImage::Format_RGB888) {
        remap<3>(source, upright, mappings[orientation - 2]);
    } else {
        remap<4>(source, upright, mappings[orientation - 2]);
    }
    return upright;
}
