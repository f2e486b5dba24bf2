#pragma once

#include "io/ImageDecoder.h"

#include <optional>
#include <QByteArray>
#include <QImage>

// TIFF through libtiff, reading the first page over the bytes in memory, one strip (or row of
// tiles) at a time into an area-averaging reduction. Every photometric kind libtiff's RGBA
// interface knows is read (RGB, greyscale, palette, CMYK, YCbCr, with or without alpha).
class TiffDecoder
{
public:
    // Size and orientation tag of the first page; no pixels.
    static std::optional<ImageDecoder::Probe> probe(const QByteArray& data);
    // The first page, stored orientation, reduced to outputSize; null when damaged.
    static QImage decode(const QByteArray& data, QSize outputSize, QImage::Format opaqueFormat);
};
