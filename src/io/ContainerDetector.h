#pragma once

#include "io/ImageDecoder.h"

#include <optional>
#include <QByteArrayView>

// Tells the image container from its leading bytes (magic numbers and, for ISO media files,
// the ftyp brand). A file's name never takes part.
class ContainerDetector
{
public:
    // A supported container, Container::unsupported for a recognised image format this program
    // does not take (WebP, AVIF, ICO, PNM, ...), or nullopt for bytes that are no image at all.
    static std::optional<ImageDecoder::Container> detect(QByteArrayView bytes);
};
