#pragma once

#include "io/ImageDecoder.h"

#include <optional>
#include <QByteArray>
#include <QImage>

// HEIC and HEIF through libheif, primary image only. libheif applies the file's clean-aperture
// crop and its rotation and mirroring (irot/imir) while decoding and reports the size after
// them, so a probe here gives the displayed size with orientation 1: the upright width and
// height come out right without a second transform.
class HeifDecoder
{
public:
    static std::optional<ImageDecoder::Probe> probe(
        const QByteArray& data, ImageDecoder::Container container);
    // The primary image, upright, reduced to outputSize; null when damaged.
    static QImage decode(const QByteArray& data, QSize outputSize, QImage::Format opaqueFormat);
};
