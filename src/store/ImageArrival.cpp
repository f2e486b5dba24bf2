#include "store/ImageArrival.h"

#include "model/BoardLimits.h"

#include <QCoreApplication>

QString ImageArrival::excessLine(qsizetype excessCount)
{
    return QCoreApplication::translate("BoardStore", "%1 additional images exceeded the %2-image limit.")
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
            admitted.rejected
                << QCoreApplication::translate("BoardStore", "%1: the board is full.").arg(photo.fileName());
        } else if (boardBytes + bytes > BoardLimits::maxTotalSourceBytes) {
            // A later, smaller image may still fit, so the loop goes on.
            admitted.rejected << QCoreApplication::translate(
                "BoardStore", "%1: adding this image would exceed the board's 256 MB source-image limit.")
                                     .arg(photo.fileName());
        } else {
            admitted.photos << photo;
            boardBytes += bytes;
        }
    }
    return admitted;
}
