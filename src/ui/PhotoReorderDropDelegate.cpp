#include "ui/PhotoReorderDropDelegate.h"

#include "model/ContentTypes.h"
#include "store/BoardStore.h"
#include "ui/PhotoMimeData.h"

#include <QTimer>
#include <QWidget>

namespace {

std::optional<qsizetype> indexOf(const QList<BoardPhoto>& photos, const QUuid& id)
{
    for (qsizetype index = 0; index < photos.size(); ++index) {
        if (photos[index].id() == id) {
            return index;
        }
    }
    return std::nullopt;
}

} // namespace

PhotoReorderDropDelegate::PhotoReorderDropDelegate(
    BoardStore& store, const QUuid& targetID, double targetWidth, std::function<void(bool)> setTargeted)
    : m_store(store)
    , m_targetID(targetID)
    , m_targetWidth(targetWidth)
    , m_setTargeted(std::move(setTargeted))
{ }

bool PhotoReorderDropDelegate::validateDrop(const QMimeData* mimeData, const QObject* source)
{
    if (mimeData == nullptr || !mimeData->hasFormat(QString(ContentTypes::photoMimeType))) {
        return false;
    }
    const bool fromOurWidget = qobject_cast<const QWidget*>(source) != nullptr;
    const bool ourPayload = qobject_cast<const PhotoMimeData*>(mimeData) != nullptr;
    return fromOurWidget || ourPayload;
}

void PhotoReorderDropDelegate::dropEntered()
{
    m_setTargeted(true);
}

void PhotoReorderDropDelegate::dropExited()
{
    m_setTargeted(false);
}

bool PhotoReorderDropDelegate::performDrop(double locationX)
{
    m_setTargeted(false);
    const bool after = locationX >= m_targetWidth * 0.5;
    BoardStore* store = &m_store;
    const QUuid targetID = m_targetID;
    // The store is the context: the move is dropped if the store is gone before it runs.
    QTimer::singleShot(0, store, [store, targetID, after] {
        const std::optional<QUuid> dragged = store->draggingPhotoID();
        if (!store->isBusy() && dragged && *dragged != targetID) {
            const std::optional<qsizetype> source = indexOf(store->photos(), *dragged);
            const std::optional<qsizetype> target = indexOf(store->photos(), targetID);
            if (source && target) {
                store->movePhoto(*dragged, moveOffset(*source, *target, after));
                store->setSelectedPhotoID(*dragged);
            }
        }
        store->setDraggingPhotoID(std::nullopt);
    });
    return true;
}

qsizetype PhotoReorderDropDelegate::moveOffset(qsizetype sourceIndex, qsizetype targetIndex, bool after)
{
    const qsizetype insertion = after ? targetIndex + 1 : targetIndex;
    const qsizetype finalIndex = sourceIndex < insertion ? insertion - 1 : insertion;
    return finalIndex - sourceIndex;
}
