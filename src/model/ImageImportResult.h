#pragma once

#include "model/BoardPhoto.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

// What one import produced: accepted photos in input order, and one line per refused input.
//
// An import of a list of inputs also says which input each photo and each line came from, so a
// caller never has to match photos back to inputs by name.
struct ImageImportResult
{
    // Why an input was refused, for callers that word the line themselves.
    struct Refusal
    {
        // Position in the import's input list; -1 for a line about no single input.
        qsizetype input = -1;
        // The reason alone, without the name in front.
        QString reason;
        // Refused because the batch's 256 MB of source bytes ran out, not for its own size.
        bool overTotalBytes = false;
    };

    // A picture decoded for drawing rather than for the thumbnail: the longer side it was asked
    // for, and the upright image (null when none was kept).
    struct Picture
    {
        int side = 0;
        QImage image;
    };

    QList<BoardPhoto> photos;
    QStringList rejected;

    // Filled by an import of a list of files (not by the store's flows that gather several).
    // Parallel to photos: each photo's input position.
    QList<qsizetype> photoInputs = {};
    // Parallel to rejected.
    QList<Refusal> refusals = {};
    // Parallel to photos when the import decoded for drawing; empty otherwise.
    QList<Picture> pictures = {};
};
