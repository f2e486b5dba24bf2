#pragma once

#include "model/BoardPhoto.h"
#include "model/ImageImportResult.h"
#include "render/BoardLayout.h"

#include <deque>
#include <future>
#include <QImage>
#include <QList>

// Decodes the photos of an export in board order, a little ahead of the drawing.
//
// Decoding dominates an export, so photos are decoded on as many worker threads as the batch
// pool uses while the board is drawn on the calling thread, and the drawing itself stays in
// board order. Memory stays bounded: a decode may start ahead of the one being waited for only
// while the decodes in flight are estimated to hold at most decodeBudgetBytes, so a huge photo
// is decoded alone. A picture already decoded at the size its cell needs is used as it is.
// Destroying the queue waits for the workers, so an exception never leaves a decode running.
class PhotoDecodeQueue
{
public:
    // `sizes` holds, per cell of the layout, the longer side to decode that cell's photo at;
    // `pictures` is empty or holds, per photo, a picture decoded before.
    PhotoDecodeQueue(const QList<BoardPhoto>& photos, const BoardLayout& layout, QList<int> sizes,
        QList<ImageImportResult::Picture> pictures = {});
    ~PhotoDecodeQueue();
    PhotoDecodeQueue(const PhotoDecodeQueue&) = delete;
    PhotoDecodeQueue& operator=(const PhotoDecodeQueue&) = delete;

    // The upright image of the cell at position `position` of the layout's cells; cells must be
    // taken in order. Throws BoardRenderError::invalidImage for bytes that do not decode.
    QImage take(qsizetype position);

    static constexpr qint64 decodeBudgetBytes = 160LL * 1024 * 1024;

private:
    struct Pending
    {
        qsizetype position = 0;
        qint64 chargedBytes = 0;
        std::future<QImage> image;
    };

    void startAhead(qsizetype position);
    qint64 workingBytes(qsizetype position) const;
    QImage decoded(qsizetype position) const;
    const QImage* predecoded(qsizetype position) const;

    QList<BoardPhoto> m_photos;
    BoardLayout m_layout;
    QList<int> m_sizes;
    QList<ImageImportResult::Picture> m_pictures;
    std::deque<Pending> m_pending;
    qsizetype m_nextToStart = 0;
};
