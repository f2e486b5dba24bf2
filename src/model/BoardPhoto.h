#pragma once

#include "model/CaptionMode.h"

#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <QUuid>

// One image on a board. The bytes and the thumbnail are implicitly shared and never modified,
// so copying a photo (an undo snapshot, a background job's copy) never copies image data.
class BoardPhoto
{
public:
    BoardPhoto() = default;
    BoardPhoto(QUuid id, QString fileName, QString caption, QByteArray imageData, qint64 pixelWidth,
        qint64 pixelHeight, QImage thumbnail);

    const QUuid& id() const { return m_id; }
    const QString& fileName() const { return m_fileName; }
    const QString& caption() const { return m_caption; }
    void setCaption(const QString& caption) { m_caption = caption; }
    const QByteArray& imageData() const { return m_imageData; }
    qint64 pixelWidth() const { return m_pixelWidth; }
    qint64 pixelHeight() const { return m_pixelHeight; }
    const QImage& thumbnail() const { return m_thumbnail; }

    QSizeF pixelSize() const { return QSizeF(double(m_pixelWidth), double(m_pixelHeight)); }
    QString displayCaption(CaptionMode mode) const;

private:
    QUuid m_id;
    QString m_fileName;
    QString m_caption;
    QByteArray m_imageData;
    qint64 m_pixelWidth = 0;
    qint64 m_pixelHeight = 0;
    QImage m_thumbnail;
};
