#include "ui/ThumbnailCache.h"

#include <algorithm>

ThumbnailCache& ThumbnailCache::shared()
{
    static ThumbnailCache cache;
    return cache;
}

QImage ThumbnailCache::image(const QImage& thumbnail, int longerSide)
{
    if (thumbnail.isNull()) {
        return {};
    }
    const int fullSide = std::max(thumbnail.width(), thumbnail.height());
    // Level n is the thumbnail halved n times; pick the deepest one still large enough.
    int level = 0;
    while ((fullSide >> (level + 1)) >= std::max(longerSide, 1) && (fullSide >> (level + 1)) >= 16) {
        ++level;
    }
    if (level == 0) {
        return thumbnail;
    }
    const QPair<qint64, int> key(thumbnail.cacheKey(), level);
    if (const QImage* cached = m_entries.object(key)) {
        return *cached;
    }
    const QImage larger = image(thumbnail, fullSide >> (level - 1));
    const QSize size = thumbnail.size().scaled(
        QSize(std::max(1, larger.width() / 2), std::max(1, larger.height() / 2)), Qt::KeepAspectRatio);
    auto* scaled = new QImage(
        larger.scaled(size.expandedTo(QSize(1, 1)), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_ARGB32_Premultiplied));
    const QImage result = *scaled;
    m_entries.insert(key, scaled, int(std::max<qint64>(1, scaled->sizeInBytes() / 1024)));
    return result;
}
