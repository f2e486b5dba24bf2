#pragma once

#include <array>
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>

// The encoders behind TestImages that Qt does not offer: multi-page TIFF (libtiff), GIF (giflib),
// HEIF (libheif), huge PNGs written row by row (libpng), and files that carry a colour
// description (TestImageEncodersColour.cpp).
class TestImageEncoders
{
public:
    // What a HEIF file says about its colours: an ICC profile, or an nclx box with these
    // primaries and transfer codes (0: no nclx box is written).
    struct HeifColour
    {
        QByteArray iccProfile;
        int primaries = 0;
        int transfer = 0;
    };
    // What a PNG says about its colours, chunk by chunk; empty or zero fields are left out.
    struct PngColour
    {
        QByteArray iccProfile;
        double gamma = 0;
        // White, red, green and blue x and y for a cHRM chunk; all zero for none.
        std::array<double, 8> chromaticities {};
        // Adam7 row order, which Qt cannot write.
        bool interlaced = false;
    };
    using Inks = std::array<uchar, 4>;

    static QByteArray tiff(const QList<QImage>& pages, int orientation, const QByteArray& iccProfile = {});
    static QByteArray gif(const QList<QImage>& frames);
    // The orientation is written as irot/imir boxes. With a colour description the picture is
    // coded without loss, so that only the colour conversion moves its values.
    static QByteArray heif(const QImage& image, int orientation);
    static QByteArray heif(const QImage& image, int orientation, const HeifColour& colour);
    // Quality 100 without chroma subsampling, with the profile in APP2 segments.
    static QByteArray jpeg(const QImage& image, const QByteArray& iccProfile);
    // A CMYK JPEG as Adobe applications write them (inverted inks, Adobe marker): the four
    // quadrants top-left, top-right, bottom-left, bottom-right in the given inks (0 none, 255 full).
    static QByteArray cmykJpeg(
        QSize size, const std::array<Inks, 4>& quadrants, const QByteArray& iccProfile = {});
    // Greyscale for a Format_Grayscale8 image, with alpha when the image has it, else RGB.
    static QByteArray png(const QImage& image, const PngColour& colour);
    // A 1-bit greyscale PNG, white upper half and black lower half.
    static QByteArray largePng(QSize size);
    // A Windows bitmap holding `pixels` as stored (bottom row first unless the height is
    // negative). Masks follow a 40-byte header; with a profile the header is version 5 and the
    // profile follows the pixels.
    static QByteArray bmp(QSize size, int bitsPerPixel, quint32 compression, const QList<quint32>& masks,
        const QList<QRgb>& palette, const QByteArray& pixels, const QByteArray& iccProfile = {});
};
