#include "model/BoardPhoto.h"

BoardPhoto::BoardPhoto(QUuid id, QString fileName, QString caption, QByteArray imageData, qint64 pixelWidth,
    qint64 pixelHeight, QImage thumbnail)
    : m_id(id)
    , m_fileName(std::move(fileName))
    , m_caption(std::move(caption))
    , m_imageData(std::move(imageData))
    , m_pixelWidth(pixelWidth)
    , m_pixelHeight(pixelHeight)
    , m_thumbnail(std::move(thumbnail))
{ }

QString BoardPhoto::displayCaption(CaptionMode mode) const
{
    switch (mode) {
    case CaptionMode::none:
        return {};
    case CaptionMode::filename:
        return m_fileName;
    case CaptionMode::custom:
        break;
    }
    return m_caption;
}
