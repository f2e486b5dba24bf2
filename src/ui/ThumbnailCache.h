#pragma once

#include <QCache>
#include <QImage>

// Downscaled copies of the photos' stored thumbnails for drawing on screen. Each request is
// answered with the smallest of a chain of halvings (1024, 512, 256, ... pixels) that is still at
// least as large as asked, so painting only ever shrinks an image by less than half: fast and
// sharp. Image bytes are never decoded here; only the thumbnail made at import is read.
class ThumbnailCache
{
public:
    static constexpr qint64 capacityBytes = 96ll * 1024 * 1024;

    // The one cache of the interface thread, shared by the preview and the strip.
    static ThumbnailCache& shared();

    // A copy of thumbnail whose longer side is at least longerSide (or the thumbnail itself when
    // it is not larger). A null thumbnail gives a null image.
    QImage image(const QImage& thumbnail, int longerSide);

    qsizetype entryCount() const { return m_entries.count(); }
    void clear() { m_entries.clear(); }

private:
    QCache<QPair<qint64, int>, QImage> m_entries { int(capacityBytes / 1024) };
};
