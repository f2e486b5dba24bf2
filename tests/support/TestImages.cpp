#include "TestImages.h"

#include <gtest/gtest.h>
#include <png.h>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <zlib.h>

namespace {

// The low `size` bytes of `value`, most significant first.
void appendBigEndian(QByteArray& bytes, quint32 value, int size = 4)
{
    for (int index = size - 1; index >= 0; --index) {
        bytes.append(char((value >> (8 * index)) & 0xff));
    }
}

// A PNG chunk: length, type, payload and the CRC of type and payload.
QByteArray pngChunk(const QByteArray& type, const QByteArray& payload)
{
    QByteArray chunk;
    appendBigEndian(chunk, quint32(payload.size()));
    const QByteArray body = type + payload;
    chunk.append(body);
    appendBigEndian(
        chunk, quint32(crc32(0, reinterpret_cast<const Bytef*>(body.constData()), uInt(body.size()))));
    return chunk;
}

} // namespace

QByteArray TestImages::encoded(const QImage& image, const char* format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    if (!writer.write(image)) {
        ADD_FAILURE() << "Qt could not write " << format << ": " << writer.errorString().toStdString();
    }
    return bytes;
}

QImage TestImages::solid(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage TestImages::quadrants(QSize size, const std::array<QColor, 4>& colours)
{
    QImage image(size, QImage::Format_RGB32);
    const int halfWidth = size.width() / 2;
    const int halfHeight = size.height() / 2;
    QPainter painter(&image);
    for (std::size_t quadrant = 0; quadrant < 4; ++quadrant) {
        const int right = quadrant % 2;
        const int bottom = quadrant / 2;
        painter.fillRect(
            QRect(right * halfWidth, bottom * halfHeight, right ? size.width() - halfWidth : halfWidth,
                bottom ? size.height() - halfHeight : halfHeight),
            colours[quadrant]);
    }
    return image;
}

QImage TestImages::photograph(QSize size, quint32 seed)
{
    QImage image(size, QImage::Format_RGB32);
    std::minstd_rand random(seed);
    const int width = std::max(1, size.width());
    const int height = std::max(1, size.height());
    for (int y = 0; y < size.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int noise = int(random() % 48) - 24;
            const int red = std::clamp(255 * x / width + noise, 0, 255);
            const int green = std::clamp(255 * y / height + noise, 0, 255);
            const int blue = std::clamp(128 + int((seed * 37) % 100) - 50 + noise, 0, 255);
            row[x] = qRgb(red, green, blue);
        }
    }
    return image;
}

QByteArray TestImages::png(const QImage& image, int orientation, bool bigEndianExif)
{
    // The eXIf chunk goes right after the signature and the 25 bytes of IHDR.
    return encoded(image, "png").insert(8 + 25, pngChunk("eXIf", exif(orientation, bigEndianExif)));
}

QByteArray TestImages::jpeg(const QImage& image, int orientation, int quality)
{
    QByteArray bytes = encoded(image, "jpeg", quality);
    if (orientation != 1 && bytes.startsWith("\xff\xd8")) {
        const QByteArray payload = QByteArray("Exif\0\0", 6) + exif(orientation);
        QByteArray segment = QByteArray::fromHex("ffe1");
        appendBigEndian(segment, quint32(payload.size()) + 2, 2);
        bytes.insert(2, segment + payload);
    }
    return bytes;
}

QByteArray TestImages::exif(int orientation, bool bigEndian)
{
    // Directory at 8 with one entry: orientation (0x0112), SHORT, count 1; no further directory.
    QByteArray tiff = QByteArray::fromHex(bigEndian ? "4d4d002a00000008"
                                                      "0001"
                                                      "011200030000000100000000"
                                                      "00000000"
                                                    : "49492a0008000000"
                                                      "0100"
                                                      "120103000100000000000000"
                                                      "00000000");
    tiff[bigEndian ? 19 : 18] = char(orientation);
    return tiff;
}

QByteArray TestImages::pngHeaderOnly(QSize size)
{
    QByteArray header;
    appendBigEndian(header, quint32(size.width()));
    appendBigEndian(header, quint32(size.height()));
    header.append(QByteArray::fromHex("0802000000")); // 8-bit RGB, no interlace
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) + pngChunk("IEND", {});
}

QString TestImages::writeFile(const QString& directory, const QString& name, const QByteArray& bytes)
{
    const QString path = QDir(directory).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        ADD_FAILURE() << "could not write " << path.toStdString();
    }
    return path;
}

bool TestImages::colourNear(const QImage& image, QPoint point, QColor expected, int tolerance)
{
    if (!image.valid(point)) {
        return false;
    }
    const QColor actual = image.pixelColor(point);
    return std::abs(actual.red() - expected.red()) <= tolerance
        && std::abs(actual.green() - expected.green()) <= tolerance
        && std::abs(actual.blue() - expected.blue()) <= tolerance;
}
