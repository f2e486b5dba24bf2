#pragma once

#include <optional>
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// The one image decoder of the program, shared by import and rendering. It works on bytes in
// memory and decides the container from the bytes alone, never from a file name.
//
// Decoded pictures are in sRGB: a photo tagged with another colour space (an ICC profile, PNG's
// cHRM and gAMA, HEIF's nclx description) is converted once, after it was reduced. They are
// Format_RGB32 when the image is opaque and Format_ARGB32_Premultiplied when it has transparency.
// Every operation may run on any thread at the same time as others; the only shared state is
// the guarded cache of colour transforms.
class ImageDecoder
{
public:
    enum class Container { png, jpeg, heic, heif, tiff, gif, bmp, unsupported };

    struct Probe
    {
        Container container = Container::unsupported;
        // The first frame's size as stored in the file, before orientation. (HEIC and HEIF
        // report their displayed size with orientation 1: libheif turns them itself.)
        QSize storedSize;
        // EXIF-style orientation 1 to 8; 1 when the file says nothing.
        int orientation = 1;
        // Orientations 5 to 8 swap width and height.
        bool transposed() const { return orientation >= 5 && orientation <= 8; }
        // The size once turned upright.
        QSize uprightSize() const { return transposed() ? storedSize.transposed() : storedSize; }
    };

    // The largest image the program takes: per side, and in pixels.
    static constexpr qint64 maximumPixelSide = 32'768;
    static constexpr qint64 maximumPixelArea = 100'000'000;
    static bool withinPixelLimits(QSize size);

    // Recognised container, or nullopt for bytes that are no image at all. Recognised formats
    // that are not supported (WebP, AVIF, ICO, ...) give Container::unsupported.
    static std::optional<Container> detect(const QByteArray& data);
    // "public.png", "public.jpeg", ...; empty for unsupported containers.
    static QString typeIdentifier(Container container);

    // Size and orientation of the first frame without decoding pixels; nullopt when the bytes
    // are not a readable image of a supported container. The size is not checked against the
    // pixel limits here, so that a caller can tell "too large" from "damaged".
    static std::optional<Probe> probe(const QByteArray& data);

    // The first frame, upright, downsampled so that its longer side is at most
    // maximumLongerSide (never enlarged). Never decodes the full image when a smaller one is
    // asked for, and refuses (null image) before allocating anything for an image beyond the
    // pixel limits, for damaged data, or for a non-positive maximumLongerSide. An opaque picture
    // comes as opaqueFormat: Format_RGB32 draws fastest, Format_RGB888 keeps in three quarters of
    // the memory. A transparent one is always Format_ARGB32_Premultiplied.
    static QImage decodeUpright(
        const QByteArray& data, int maximumLongerSide, QImage::Format opaqueFormat = QImage::Format_RGB32);
};
