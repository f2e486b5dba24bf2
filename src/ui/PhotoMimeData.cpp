#include "ui/PhotoMimeData.h"

#include "model/ContentTypes.h"

PhotoMimeData::PhotoMimeData(const QUuid& photoID)
    : m_photoID(photoID)
{
    setData(QString(ContentTypes::photoMimeType), photoID.toString(QUuid::WithoutBraces).toUtf8());
}
