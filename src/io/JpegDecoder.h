#pragma once

#include "io/ImageDecoder.h"

#include <optional>
#include <QByteArray>
#include <QImage>

// JPEG through libjpeg-turbo. A reduced picture is scaled inside the decoder (a DCT scale n/8
// that still covers the requested size), then area-averaged to the exact size, so a 4000 × 3000
// photograph shrinks to a thumbnail without ever existing at full size.
class JpegDecoder
{
public:
    // Size from the frame header and orientation from the EXIF APP1 segment; no pixels.
    static std::optional<ImageDecoder::Probe> probe(const QByteArray& data);
    // The stored picture reduced to outputSize; null when the data is damaged or ends early.
    static QImage decode(const QByteArray& data, QSize outputSize, QImage::Format opaqueFormat);
    // The n of the n/8 scale that decoding storedSize to outputSize uses.
    static int scaleEighths(QSize storedSize, QSize outputSize);
};
