#include "store/DropItem.h"

#include <QMimeData>
#include <QMimeDatabase>

namespace {
bool isKnownImageType(const QString& mimeType)
{
    if (!mimeType.startsWith(QLatin1String("image/"))) {
        return false;
    }
    return QMimeDatabase().mimeTypeForName(mimeType).isValid();
}
} // namespace

DropItem DropItem::file(const QUrl& url)
{
    DropItem item;
    item.m_isFile = true;
    item.m_url = url;
    return item;
}

DropItem DropItem::imageData(const QByteArray& data, const QString& mimeType)
{
    DropItem item;
    item.m_data = data;
    item.m_mimeType = mimeType;
    return item;
}

QList<DropItem> DropItem::fromMimeData(const QMimeData& mimeData)
{
    QList<DropItem> items;
    if (mimeData.hasUrls()) {
        for (const QUrl& url : mimeData.urls()) {
            if (url.isLocalFile()) {
                items.append(file(url));
            }
        }
    }
    // A drag that carries files and also an image rendering of them is one thing, not two: the
    // data is taken only when no file came with it.
    if (!items.isEmpty()) {
        return items;
    }
    for (const QString& format : mimeData.formats()) {
        if (isKnownImageType(format)) {
            items.append(imageData(mimeData.data(format), format));
            break;
        }
    }
    return items;
}

bool DropItem::isUsable() const
{
    return m_isFile || isKnownImageType(m_mimeType);
}

QString DropItem::suggestedFileName() const
{
    QString suffix = QMimeDatabase().mimeTypeForName(m_mimeType).preferredSuffix();
    if (suffix.isEmpty()) {
        suffix = QStringLiteral("png");
    }
    return QStringLiteral("Dropped Image.") + suffix;
}
