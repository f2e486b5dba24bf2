#pragma once

#include "model/BoardPhoto.h"
#include "model/ImageImportResult.h"

#include <QList>
#include <QUrl>

// The single gate through which every image enters a board.
class ImageImportService
{
public:
    static constexpr qint64 maximumPixelSide = 32'768;
    static constexpr qint64 maximumPixelArea = 100'000'000;
    static constexpr int thumbnailMaxPixelSize = 1024;
    static constexpr qsizetype maximumFileNameCharacters = 512;

    // Throws ImageImportError.
    static BoardPhoto load(const QByteArray& data, const QString& fileName);
    // Never throws: each refused input becomes one line of rejected.
    static ImageImportResult load(const QList<QUrl>& urls);
};
