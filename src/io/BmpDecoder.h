#pragma once

#include "io/ImageDecoder.h"

#include <optional>
#include <QByteArray>
#include <QImage>

// Uncompressed Windows bitmaps (1, 4, 8, 16, 24 and 32 bits, bit fields included) read row by
// row straight from the bytes into an area-averaging reduction, so their size is bounded by the
// import limits rather than by QImageReader's allocation limit. Run-length-encoded bitmaps go
// to Qt's reader.
class BmpDecoder
{
public:
    static std::optional<ImageDecoder::Probe> probe(const QByteArray& data);
    // The picture reduced to outputSize; null when damaged or cut short.
    static QImage decode(const QByteArray& data, QSize outputSize, QImage::Format opaqueFormat);
};
