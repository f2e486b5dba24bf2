#include "render/PhotoDecodeQueue.h"

#include "io/DecodeCost.h"
#include "io/ImageDecoder.h"
#include "io/OrderedWorkPool.h"
#include "render/BoardRenderError.h"

#include <algorithm>

PhotoDecodeQueue::PhotoDecodeQueue(const QList<BoardPhoto>& photos, const BoardLayout& layout,
    QList<int> sizes, QList<ImageImportResult::Picture> pictures)
    : m_photos(photos)
    , m_layout(layout)
    , m_sizes(std::move(sizes))
    , m_pictures(std::move(pictures))
{ }

PhotoDecodeQueue::~PhotoDecodeQueue()
{
    for (Pending& pending : m_pending) {
        if (pending.image.valid()) {
            pending.image.wait();
        }
    }
}

const QImage* PhotoDecodeQueue::predecoded(qsizetype position) const
{
    const qsizetype index = m_layout.cells()[position].index;
    if (index >= m_pictures.size()) {
        return nullptr;
    }
    const ImageImportResult::Picture& picture = m_pictures[index];
    return picture.side == m_sizes[position] && !picture.image.isNull() ? &picture.image : nullptr;
}

qint64 PhotoDecodeQueue::workingBytes(qsizetype position) const
{
    const BoardPhoto& photo = m_photos[m_layout.cells()[position].index];
    const std::optional<ImageDecoder::Container> container = ImageDecoder::detect(photo.imageData());
    const QSize size(int(std::clamp<qint64>(photo.pixelWidth(), 1, 1 << 20)),
        int(std::clamp<qint64>(photo.pixelHeight(), 1, 1 << 20)));
    return DecodeCost::workingBytes(
        container.value_or(ImageDecoder::Container::unsupported), size, m_sizes[position]);
}

QImage PhotoDecodeQueue::decoded(qsizetype position) const
{
    const BoardPhoto& photo = m_photos[m_layout.cells()[position].index];
    return ImageDecoder::decodeUpright(photo.imageData(), m_sizes[position]);
}

void PhotoDecodeQueue::startAhead(qsizetype position)
{
    const qsizetype cellCount = m_layout.cells().size();
    const qsizetype workers = OrderedWorkPool::workerCount();
    m_nextToStart = std::max(m_nextToStart, position);
    // With one worker everything is decoded on the drawing thread, in order.
    while (workers > 1 && m_nextToStart < cellCount && qsizetype(m_pending.size()) < workers) {
        if (predecoded(m_nextToStart)) {
            ++m_nextToStart;
            continue;
        }
        qint64 charged = 0;
        for (const Pending& pending : m_pending) {
            charged += pending.chargedBytes;
        }
        const qint64 needed = workingBytes(m_nextToStart);
        // The photo being waited for always starts; others only within the budget.
        if (!m_pending.empty() && charged + needed > decodeBudgetBytes) {
            break;
        }
        Pending pending;
        pending.position = m_nextToStart;
        pending.chargedBytes = needed;
        pending.image = std::async(std::launch::async, [this, next = m_nextToStart] {
            // Decoders use this thread alone: the other cores are decoding too.
            const OrderedWorkPool::WorkerScope scope;
            return decoded(next);
        });
        m_pending.push_back(std::move(pending));
        ++m_nextToStart;
    }
}

QImage PhotoDecodeQueue::take(qsizetype position)
{
    startAhead(position);
    while (!m_pending.empty() && m_pending.front().position < position) {
        m_pending.front().image.wait();
        m_pending.pop_front();
    }
    QImage image;
    if (const QImage* picture = predecoded(position)) {
        image = *picture;
    } else if (m_pending.empty() || m_pending.front().position != position) {
        // Not started ahead: decode on this thread.
        image = decoded(position);
    } else {
        image = m_pending.front().image.get();
        m_pending.pop_front();
    }
    // Keep the workers busy while this image is drawn.
    startAhead(position + 1);
    if (image.isNull()) {
        throw BoardRenderError::invalidImage(m_photos[m_layout.cells()[position].index].fileName());
    }
    return image;
}
