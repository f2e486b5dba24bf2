#include "store/ImageArrival.h"

#include "model/BoardLimits.h"

QString ImageArrival::excessLine(qsizetype excessCount)
{
    return QStringLiteral("%1 additional images exceeded the %2-image limit.")
        .arg(excessCount)
        .arg(BoardLimits::maxPhotos);
}

ImageImportResult ImageArrival::admit(const QList<BoardPhoto>& board, const ImageImportResult& result)
{
    qint64 boardBytes = 0;
    for (const BoardPhoto& photo : board) {
        boardBytes += photo.imageData().size();
    }
    ImageImportResult admitted;
    admitted.rejected = result.rejected;
    for (const BoardPhoto& photo : result.photos) {
        const qint64 bytes = photo.imageData().size();
        if (board.size() + admitted.photos.size() >= BoardLimits::maxPhotos) {
            admitted.rejected << photo.fileName() + QStringLiteral(": the board is full.");
        } else if (boardBytes + bytes > BoardLimits::maxTotalSourceBytes) {
            // A later, smaller image may still fit, so the loop goes on.
            admitted.rejected << photo.fileName()
                    + QStringLiteral(
                        ": adding this image would exceed the board's 256 MB source-image limit.");
        } else {
            admitted.photos << photo;
            boardBytes += bytes;
        }
    }
    return admitted;
}
