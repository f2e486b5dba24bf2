#pragma once

#include "model/BoardPhoto.h"
#include "model/ImageImportResult.h"

#include <QList>
#include <QString>

// The board's own limits for images arriving from an import: the photo count and the total of
// source bytes, counted against the board as it is now.
class ImageArrival
{
public:
    // The photos of `result` that fit on `board`, in order; the others join its lines.
    static ImageImportResult admit(const QList<BoardPhoto>& board, const ImageImportResult& result);
};
