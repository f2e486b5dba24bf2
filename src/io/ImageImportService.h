#pragma once

#include "io/ImageDecoder.h"
#include "model/BoardPhoto.h"
#include "model/ImageImportResult.h"

#include <QList>
#include <QSet>
#include <QUrl>

// The single gate through which every image enters a board: checks size, container and pixel
// dimensions, reads the pixel size and orientation, and makes an upright thumbnail (at most 1024
// pixels on its longer side; Format_RGB888 for opaque images, Format_ARGB32_Premultiplied for
// transparent ones). The bytes are kept exactly as given; nothing is re-encoded. Stateless and
// safe on any thread.
class ImageImportService
{
public:
    static constexpr int thumbnailMaxPixelSize = 1024;
    static constexpr qsizetype maximumFileNameCharacters = 512;

    // The MIME types of the containers taken: PNG, JPEG, HEIC, HEIF, TIFF, GIF, BMP.
    static const QSet<QString>& supportedTypes();

    // Throws ImageImportError.
    static BoardPhoto load(const QByteArray& data, const QString& fileName);
    // Never throws: each refused input becomes one line of rejected, in input order.
    static ImageImportResult load(const QList<QUrl>& urls);
};
