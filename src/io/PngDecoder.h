#pragma once

#include "io/ImageDecoder.h"

#include <optional>
#include <QByteArray>
#include <QImage>

// PNG through libpng, row by row into an area-averaging reduction, so even a 100-megapixel PNG
// (far beyond QImageReader's allocation limit) decodes in the memory of its result. Interlaced
// PNGs need the whole picture while their passes arrive, so they are held whole.
class PngDecoder
{
public:
    // Size from IHDR and orientation from an eXIf chunk before the image data; no pixels.
    static std::optional<ImageDecoder::Probe> probe(const QByteArray& data);
    // The stored picture reduced to outputSize; null when the data is damaged.
    static QImage decode(const QByteArray& data, QSize outputSize, QImage::Format opaqueFormat);
};
