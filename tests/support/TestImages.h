#pragma once

#include "TestImageEncoders.h"

#include <algorithm>
#include <array>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

// Real image bytes for tests, made in memory by the real encoders (Qt, libpng, libtiff,
// libheif and giflib). Every format comes from a QImage, so a test can draw a pattern it can
// recognise after decoding.
class TestImages
{
public:
    // Pictures to encode.
    static QImage solid(QSize size, QColor colour);
    // Top-left, top-right, bottom-left and bottom-right colours; the default ones tell all eight
    // orientations apart.
    static QImage quadrants(
        QSize size, const std::array<QColor, 4>& colours = { Qt::red, Qt::green, Qt::blue, Qt::yellow });
    // Gradients plus deterministic noise, like a photograph to a compressor.
    static QImage photograph(QSize size, quint32 seed = 1);

    // Encoded bytes. `orientation` is the EXIF-style value 1..8 stored in the file.
    static QByteArray png(const QImage& image) { return encoded(image, "png"); }
    // With an eXIf chunk holding `orientation`, in either byte order.
    static QByteArray png(const QImage& image, int orientation, bool bigEndianExif = false);
    static QByteArray png(QSize size, QColor colour = Qt::red) { return png(solid(size, colour)); }
    static QByteArray jpeg(const QImage& image, int orientation = 1, int quality = 90);
    static QByteArray jpeg(QSize size, int orientation = 1, QColor colour = Qt::red)
    {
        return jpeg(solid(size, colour), orientation);
    }
    static QByteArray tiff(const QList<QImage>& pages, int orientation = 1)
    {
        return TestImageEncoders::tiff(pages, orientation);
    }
    static QByteArray tiff(QSize size, QColor colour = Qt::red) { return tiff({ solid(size, colour) }); }
    static QByteArray gif(const QList<QImage>& frames) { return TestImageEncoders::gif(frames); }
    static QByteArray gif(QSize size, QColor colour = Qt::red) { return gif({ solid(size, colour) }); }
    static QByteArray bmp(const QImage& image) { return encoded(image, "bmp"); }
    static QByteArray bmp(QSize size, QColor colour = Qt::red) { return bmp(solid(size, colour)); }
    static QByteArray webp(QSize size, QColor colour = Qt::red)
    {
        return encoded(solid(size, colour), "webp");
    }
    // HEVC-coded HEIF with the "heic" brand; the orientation is written as irot/imir boxes.
    static QByteArray heic(const QImage& image, int orientation = 1)
    {
        return TestImageEncoders::heif(image, orientation);
    }
    static QByteArray heic(QSize size, QColor colour = Qt::red) { return heic(solid(size, colour)); }
    // The same HEVC payload under the generic "mif1" major brand.
    static QByteArray heif(const QImage& image) { return heic(image).replace(8, 4, "mif1"); }
    // Qt's writer for `format`, failing the test if it cannot write.
    static QByteArray encoded(const QImage& image, const char* format, int quality = -1);

    // A TIFF-structured Exif block whose only tag is the orientation.
    static QByteArray exif(int orientation, bool bigEndian = false);
    // A PNG that is only a signature, an IHDR claiming `size` and IEND: lets a test claim huge
    // dimensions without the pixels.
    static QByteArray pngHeaderOnly(QSize size);
    // A real, complete 1-bit greyscale PNG written row by row, white upper half and black lower half.
    static QByteArray largePng(QSize size) { return TestImageEncoders::largePng(size); }
    // `bytes` followed by zeros up to `totalSize` (decoders ignore data after IEND / EOI).
    static QByteArray padded(const QByteArray& bytes, qint64 totalSize)
    {
        return bytes + QByteArray(qsizetype(std::max<qint64>(totalSize - bytes.size(), 0)), '\0');
    }

    // Writes `bytes` to dir/name and returns the full path; fails the test on error.
    static QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
    {
        return writeFile(dir.path(), name, bytes);
    }
    static QString writeFile(const QString& directory, const QString& name, const QByteArray& bytes);

    // True when the colour of `image` at `point` is within `tolerance` per channel of `expected`
    // (lossy formats and resampling shift colours a little).
    static bool colourNear(const QImage& image, QPoint point, QColor expected, int tolerance = 40);
};
