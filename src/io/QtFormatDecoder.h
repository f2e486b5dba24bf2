#pragma once

#include "io/ImageDecoder.h"

#include <optional>
#include <QByteArray>
#include <QImage>

// The formats left to Qt's own readers: GIF (first frame) and run-length-encoded BMP. Qt decodes
// the frame whole, so these stay within QImageReader's allocation limit (128 MB by default,
// about 33 megapixels); larger ones are reported as unreadable.
class QtFormatDecoder
{
public:
    static std::optional<ImageDecoder::Probe> probe(
        const QByteArray& data, ImageDecoder::Container container);
    // The first frame reduced to outputSize; null when damaged or too large for Qt.
    static QImage decode(const QByteArray& data, ImageDecoder::Container container, QSize outputSize);
};
