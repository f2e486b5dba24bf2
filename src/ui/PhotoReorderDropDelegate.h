#pragma once

#include <functional>
#include <QtGlobal>
#include <QUuid>

class BoardStore;
class QMimeData;
class QObject;

// Turns a reorder drop on one photo's view into one movePhoto() call: dropped on the left half
// of the target, the dragged photo goes before it; on the right half (the middle included),
// after it.
class PhotoReorderDropDelegate
{
public:
    PhotoReorderDropDelegate(
        BoardStore& store, const QUuid& targetID, double targetWidth, std::function<void(bool)> setTargeted);

    // Only drags of a photo that started in this process: the drag's source is one of our
    // widgets, or the payload is the object our own drag created.
    static bool validateDrop(const QMimeData* mimeData, const QObject* source);

    void dropEntered();
    void dropExited();
    // Schedules the move on the interface thread and reports the drop as handled at once.
    bool performDrop(double locationX);

    // The offset that takes the photo at sourceIndex to just before (after == false) or just
    // after the photo at targetIndex.
    static qsizetype moveOffset(qsizetype sourceIndex, qsizetype targetIndex, bool after);

private:
    BoardStore& m_store;
    QUuid m_targetID;
    double m_targetWidth;
    std::function<void(bool)> m_setTargeted;
};
