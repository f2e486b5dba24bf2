#include "ui/PhotoDragAndDrop.h"

#include "store/BoardStore.h"
#include "ui/PhotoMimeData.h"
#include "ui/PhotoReorderDropDelegate.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

PhotoDragAndDrop::PhotoDragAndDrop(BoardStore& store, QWidget* view, const QUuid& photoID, double targetWidth)
    : QObject(view)
    , m_store(store)
    , m_view(view)
    , m_photoID(photoID)
    , m_targetWidth(targetWidth)
{
    view->setAcceptDrops(true);
    view->installEventFilter(this);
}

void PhotoDragAndDrop::paintHighlight(QPainter& painter, const QRectF& rect, const QColor& accent)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(accent, 2);
    pen.setDashPattern({ 2.5, 1.5 }); // 5 on, 3 off, in units of the 2-point pen width
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(rect.adjusted(1, 1, -1, -1), 7, 7);
    painter.restore();
}

void PhotoDragAndDrop::setTargeted(bool targeted)
{
    if (m_isTargeted != targeted) {
        m_isTargeted = targeted;
        m_view->update();
    }
}

bool PhotoDragAndDrop::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_view) {
        return false;
    }
    PhotoReorderDropDelegate delegate(
        m_store, m_photoID, m_targetWidth, [this](bool targeted) { setTargeted(targeted); });
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            m_pressPosition = mouse->position().toPoint();
        }
        return false;
    }
    case QEvent::MouseButtonRelease:
        m_pressPosition.reset();
        return false;
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (m_pressPosition && (mouse->buttons() & Qt::LeftButton)
            && (mouse->position().toPoint() - *m_pressPosition).manhattanLength()
                >= QApplication::startDragDistance()) {
            m_pressPosition.reset();
            startDrag();
            return true;
        }
        return false;
    }
    case QEvent::DragEnter: {
        auto* drag = static_cast<QDragEnterEvent*>(event);
        if (!PhotoReorderDropDelegate::validateDrop(drag->mimeData(), drag->source())) {
            // Left to the parents: the preview takes files, the strip takes nothing.
            drag->ignore();
            return false;
        }
        drag->setDropAction(Qt::MoveAction);
        drag->accept();
        delegate.dropEntered();
        return true;
    }
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (!PhotoReorderDropDelegate::validateDrop(drag->mimeData(), drag->source())) {
            drag->ignore();
            return false;
        }
        drag->setDropAction(Qt::MoveAction);
        drag->accept();
        return true;
    }
    case QEvent::DragLeave:
        delegate.dropExited();
        return false;
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!PhotoReorderDropDelegate::validateDrop(drop->mimeData(), drop->source())) {
            setTargeted(false);
            return false;
        }
        drop->setDropAction(Qt::MoveAction);
        drop->accept();
        delegate.performDrop(drop->position().x());
        return true;
    }
    default:
        return false;
    }
}

void PhotoDragAndDrop::startDrag()
{
    const QUuid photoID = m_photoID;
    m_store.setDraggingPhotoID(photoID);
    m_store.setSelectedPhotoID(photoID);
    auto* drag = new QDrag(m_view);
    drag->setMimeData(new PhotoMimeData(photoID));
    // The parent's rendering of the view's area includes what the view shows through.
    QWidget* painted = m_view->parentWidget() ? m_view->parentWidget() : m_view;
    const QRect area = painted == m_view ? m_view->rect() : m_view->geometry();
    drag->setPixmap(painted->grab(area).scaledToWidth(std::min(area.width(), 140), Qt::SmoothTransformation));
    drag->setHotSpot(QPoint(drag->pixmap().width() / 2, drag->pixmap().height() / 2));
    drag->exec(Qt::MoveAction);
    // The release ended inside the drag, so a button would otherwise stay pressed.
    if (auto* button = qobject_cast<QAbstractButton*>(m_view)) {
        button->setDown(false);
    }
}
