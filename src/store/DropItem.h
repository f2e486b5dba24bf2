#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>

class QMimeData;

// One item of a drop onto the board as the store sees it: a local file, or image bytes offered
// under a MIME type. Qt gives no suggested name for data, so the store makes one up.
class DropItem
{
public:
    static DropItem file(const QUrl& url);
    static DropItem imageData(const QByteArray& data, const QString& mimeType);

    // Each local-file URL becomes one item. Without any, image data offered under an image/*
    // type becomes one item (the first such type the data lists). Non-local URLs are left out.
    static QList<DropItem> fromMimeData(const QMimeData& mimeData);

    bool isFile() const { return m_isFile; }
    const QUrl& url() const { return m_url; }
    const QByteArray& data() const { return m_data; }
    const QString& mimeType() const { return m_mimeType; }

    // Any file item, or a data item whose type is an image/* type the MIME database knows.
    // Anything else is not offered to the import.
    bool isUsable() const;
    // "Dropped Image." + the type's preferred suffix, "png" when it has none.
    QString suggestedFileName() const;

private:
    DropItem() = default;

    bool m_isFile = false;
    QUrl m_url;
    QByteArray m_data;
    QString m_mimeType;
};
