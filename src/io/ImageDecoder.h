#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

// The one image decoder of the program, shared by import and rendering. It works on bytes in
// memory and decides the container from the bytes alone, never from a file name.
class ImageDecoder
{
public:
    enum class Container { png, jpeg, heic, heif, tiff, gif, bmp, unsupported };

    struct Probe
    {
        Container container = Container::unsupported;
        // The first frame's size as stored in the file, before orientation.
        QSize storedSize;
        // EXIF-style orientation 1 to 8; 1 when the file says nothing.
        int orientation = 1;
        // Orientations 5 to 8 swap width and height.
        bool transposed() const { return orientation >= 5 && orientation <= 8; }
    };

    // Recognised container, or nullopt for bytes that are no image at all. Recognised formats
    // that are not supported (WebP, AVIF, ICO, ...) give Container::unsupported.
    static std::optional<Container> detect(const QByteArray& data);
    // "public.png", "public.jpeg", ...; empty for unsupported containers.
    static QString typeIdentifier(Container container);

    // Size and orientation of the first frame without decoding pixels; nullopt when the bytes
    // are not a readable image of a supported container.
    static std::optional<Probe> probe(const QByteArray& data);

    // The first frame, upright, downsampled so that its longer side is at most
    // maximumLongerSide. Never decodes the full image when a smaller one is asked for, and
    // refuses (null image) before allocating anything beyond the import pixel limits.
    static QImage decodeUpright(const QByteArray& data, int maximumLongerSide);
};
