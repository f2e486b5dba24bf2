#include "store/ImageArrival.h"

#include "model/BoardLimits.h"

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
            admitted.rejected << BoardLimits::boardFullLine(photo.fileName());
        } else if (boardBytes + bytes > BoardLimits::maxTotalSourceBytes) {
            // A later, smaller image may still fit, so the loop goes on.
            admitted.rejected << BoardLimits::boardBytesLine(photo.fileName());
        } else {
            admitted.photos << photo;
            boardBytes += bytes;
        }
    }
    return admitted;
}
