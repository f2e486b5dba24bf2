#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>

// The encoders behind TestImages that Qt does not offer: multi-page TIFF (libtiff), GIF (a small
// writer of our own), HEIF (libheif) and huge PNGs written row by row (libpng).
class TestImageEncoders
{
public:
    enum class Codec { hevc, av1 };

    static QByteArray tiff(const QList<QImage>& pages, int orientation);
    static QByteArray gif(const QList<QImage>& frames);
    // The orientation is written as irot/imir boxes.
    static QByteArray heif(const QImage& image, Codec codec, int orientation);
    static bool canEncode(Codec codec);
    // A 1-bit greyscale PNG, white upper half and black lower half.
    static QByteArray largePng(QSize size);
};
