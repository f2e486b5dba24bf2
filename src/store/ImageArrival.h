#pragma once

#include "model/BoardPhoto.h"
#include "model/ImageImportResult.h"

#include <QList>
#include <QString>

// The board's own limits for images arriving from an import, with the texts Add Images shows:
// the 60-image count and the 256 MB of source bytes, counted against the board as it is now.
class ImageArrival
{
public:
    // The line for the inputs beyond the board's free places.
    static QString excessLine(qsizetype excessCount);
    // The photos of `result` that fit on `board`, in order; the others join its lines.
    static ImageImportResult admit(const QList<BoardPhoto>& board, const ImageImportResult& result);
};
