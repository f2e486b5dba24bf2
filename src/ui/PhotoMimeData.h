#pragma once

#include <QMimeData>
#include <QUuid>

// The payload of a reorder drag: the photo's identifier as text under the private MIME type.
// Only this process creates objects of this class, and Qt hands an in-process drag's own object
// to the drop, so its class alone tells our drags from anything another program offers.
class PhotoMimeData : public QMimeData
{
    Q_OBJECT

public:
    explicit PhotoMimeData(const QUuid& photoID);

    const QUuid& photoID() const { return m_photoID; }

private:
    QUuid m_photoID;
};
