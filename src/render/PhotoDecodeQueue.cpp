#include "render/PhotoDecodeQueue.h"

#include "io/ImageDecoder.h"
#include "render/BoardRenderError.h"

#include <algorithm>
#include <thread>

PhotoDecodeQueue::PhotoDecodeQueue(
    const QList<BoardPhoto>& photos, const BoardLayout& layout, QList<int> sizes)
    : m_photos(photos)
    , m_layout(layout)
    , m_sizes(std::move(sizes))
{ }

PhotoDecodeQueue::~PhotoDecodeQueue()
{
    for (Pending& pending : m_pending) {
        if (pending.image.valid()) {
            pending.image.wait();
        }
    }
}

qint64 PhotoDecodeQueue::fullSizeBytes(qsizetype position) const
{
    const BoardPhoto& photo = m_photos[m_layout.cells()[position].index];
    const qint64 width = std::clamp<qint64>(photo.pixelWidth(), 1, 1 << 20);
    const qint64 height = std::clamp<qint64>(photo.pixelHeight(), 1, 1 << 20);
    return width * height * 4;
}

void PhotoDecodeQueue::startAhead(qsizetype position)
{
    const qsizetype cellCount = m_layout.cells().size();
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const qsizetype limit = std::min<qsizetype>(maximumInFlight, qsizetype(cores));
    m_nextToStart = std::max(m_nextToStart, position);
    while (m_nextToStart < cellCount && qsizetype(m_pending.size()) < limit) {
        qint64 charged = 0;
        for (const Pending& pending : m_pending) {
            charged += pending.chargedBytes;
        }
        const qint64 needed = fullSizeBytes(m_nextToStart);
        // The photo being waited for always starts; others only within the budget.
        if (!m_pending.empty() && charged + needed > decodeBudgetBytes) {
            break;
        }
        const BoardPhoto& photo = m_photos[m_layout.cells()[m_nextToStart].index];
        const QByteArray bytes = photo.imageData();
        const int size = m_sizes[m_nextToStart];
        Pending pending;
        pending.position = m_nextToStart;
        pending.chargedBytes = needed;
        pending.image = std::async(
            std::launch::async, [bytes, size] { return ImageDecoder::decodeUpright(bytes, size); });
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
    if (m_pending.empty() || m_pending.front().position != position) {
        // Out of order: decode on this thread.
        const BoardPhoto& photo = m_photos[m_layout.cells()[position].index];
        QImage image = ImageDecoder::decodeUpright(photo.imageData(), m_sizes[position]);
        if (image.isNull()) {
            throw BoardRenderError::invalidImage(photo.fileName());
        }
        return image;
    }
    QImage image = m_pending.front().image.get();
    m_pending.pop_front();
    // Keep the workers busy while this image is drawn.
    startAhead(position + 1);
    if (image.isNull()) {
        throw BoardRenderError::invalidImage(m_photos[m_layout.cells()[position].index].fileName());
    }
    return image;
}
