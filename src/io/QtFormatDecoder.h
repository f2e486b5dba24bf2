#pragma once

#include "io/ImageDecoder.h"

#include <optional>
#include <QByteArray>
#include <QImage>

// The formats left to Qt's own readers: GIF (first frame) and run-length-encoded BMP. Qt decodes
// the frame whole, so its allocation limit is raised to what the pixel limit allows (four bytes
// a pixel); the frame is then reduced row by row without a second full-size copy.
class QtFormatDecoder
{
public:
    static std::optional<ImageDecoder::Probe> probe(
        const QByteArray& data, ImageDecoder::Container container);
    // The first frame reduced to outputSize; null when damaged or too large for Qt.
    static QImage decode(const QByteArray& data, ImageDecoder::Container container, QSize outputSize,
        QImage::Format opaqueFormat);
};
