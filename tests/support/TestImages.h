#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

class QTemporaryDir;

// Real image bytes for tests, made in memory by the real encoders (Qt, libpng, libtiff,
// libheif, and a small GIF writer since Qt cannot write GIF). Every format comes from a QImage,
// so a test can draw a pattern it can recognise after decoding.
class TestImages
{
public:
    // Pictures to encode.
    static QImage solid(QSize size, QColor colour);
    // Top half `top`, bottom half `bottom`: tells up from down after an orientation.
    static QImage halves(QSize size, QColor top, QColor bottom);
    // Red top-left, green top-right, blue bottom-left, yellow bottom-right: tells all eight
    // orientations apart.
    static QImage quadrants(QSize size);
    // Gradients plus deterministic noise, like a photograph to a compressor.
    static QImage photograph(QSize size, quint32 seed = 1);

    // Encoded bytes. `orientation` is the EXIF-style value 1..8 stored in the file.
    static QByteArray png(const QImage& image);
    // With an eXIf chunk holding `orientation`, in either byte order.
    static QByteArray png(const QImage& image, int orientation, bool bigEndianExif = false);
    static QByteArray png(QSize size, QColor colour = Qt::red);
    static QByteArray jpeg(const QImage& image, int orientation = 1, int quality = 90);
    static QByteArray jpeg(QSize size, int orientation = 1, QColor colour = Qt::red);
    static QByteArray tiff(const QList<QImage>& pages, int orientation = 1);
    static QByteArray tiff(QSize size, QColor colour = Qt::red);
    static QByteArray gif(const QList<QImage>& frames);
    static QByteArray gif(QSize size, QColor colour = Qt::red);
    static QByteArray bmp(const QImage& image);
    static QByteArray bmp(QSize size, QColor colour = Qt::red);
    static QByteArray webp(QSize size, QColor colour = Qt::red);
    // HEVC-coded HEIF with the "heic" brand; the orientation is written as irot/imir boxes.
    static QByteArray heic(const QImage& image, int orientation = 1);
    static QByteArray heic(QSize size, QColor colour = Qt::red);
    // The same HEVC payload under the generic "mif1" major brand.
    static QByteArray heif(const QImage& image);
    static QByteArray heif(QSize size, QColor colour = Qt::red);
    // AV1-coded HEIF ("avif" brand): recognised, not supported.
    static QByteArray avif(QSize size, QColor colour = Qt::red);
    static bool canEncodeAvif();

    // A TIFF-structured Exif block whose only tag is the orientation.
    static QByteArray exif(int orientation, bool bigEndian = false);
    // A PNG that is only a signature, an IHDR claiming `size` and IEND: lets a test claim huge
    // dimensions without the pixels.
    static QByteArray pngHeaderOnly(QSize size);
    // A real, complete 1-bit greyscale PNG written row by row: huge sizes stay cheap to make.
    static QByteArray largePng(QSize size);
    // `bytes` followed by zeros up to `totalSize` (decoders ignore data after IEND / EOI).
    static QByteArray padded(const QByteArray& bytes, qint64 totalSize);

    // Writes `bytes` to dir/name and returns the full path; fails the test on error.
    static QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes);
    static QString writeFile(const QString& directory, const QString& name, const QByteArray& bytes);

    // True when the colour of `image` at `point` is within `tolerance` per channel of `expected`
    // (lossy formats and resampling shift colours a little).
    static bool colourNear(const QImage& image, QPoint point, QColor expected, int tolerance = 40);
};
