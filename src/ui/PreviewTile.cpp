#include "ui/PreviewTile.h"

#include "store/BoardStore.h"
#include "ui/InterfaceStyle.h"
#include "ui/PhotoDragAndDrop.h"

#include <QCoreApplication>
#include <QPainter>

PreviewTile::PreviewTile(BoardStore& store, QWidget* parent)
    : QAbstractButton(parent)
    , m_store(store)
    , m_dragAndDrop(new PhotoDragAndDrop(store, this, QUuid(), 0))
{
    // The preview around it is the Tab stop; the keys there move the selection.
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    connect(this, &QAbstractButton::clicked, this, [this] { m_store.setSelectedPhotoID(m_photoID); });
}

QString PreviewTile::helpText(const QString& fileName)
{
    return QCoreApplication::translate("PreviewTile", "Select %1. Drag to change its position.")
        .arg(fileName);
}

QString PreviewTile::accessibleNameFor(qsizetype index, const QString& fileName)
{
    return QCoreApplication::translate("PreviewTile", "Image %1, %2").arg(index + 1).arg(fileName);
}

void PreviewTile::bind(const QUuid& photoID, const QString& fileName, qsizetype index)
{
    m_photoID = photoID;
    m_dragAndDrop->setPhotoID(photoID);
    setToolTip(helpText(fileName));
    setAccessibleName(accessibleNameFor(index, fileName));
}

void PreviewTile::setCornerRadius(double radius)
{
    if (radius != m_cornerRadius) {
        m_cornerRadius = radius;
        update();
    }
}

void PreviewTile::setSelected(bool selected)
{
    if (selected != m_selected) {
        m_selected = selected;
        update();
    }
}

void PreviewTile::resizeEvent(QResizeEvent* event)
{
    m_dragAndDrop->setTargetWidth(width());
    QAbstractButton::resizeEvent(event);
}

void PreviewTile::paintEvent(QPaintEvent*)
{
    if (!m_selected && !m_dragAndDrop->isTargeted()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_selected) {
        // 2 points on screen at any scale, inside the tile's rounded outline.
        painter.setPen(QPen(InterfaceStyle::accent(this), 2));
        painter.setBrush(Qt::NoBrush);
        const double radius = std::max(0.0, m_cornerRadius - 1);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), radius, radius);
    }
    if (m_dragAndDrop->isTargeted()) {
        PhotoDragAndDrop::paintHighlight(painter, rect(), InterfaceStyle::accent(this));
    }
}
