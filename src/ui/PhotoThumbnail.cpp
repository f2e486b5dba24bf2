#include "ui/PhotoThumbnail.h"

#include "store/BoardStore.h"
#include "ui/InterfaceStyle.h"
#include "ui/PhotoDragAndDrop.h"
#include "ui/SymbolIcon.h"
#include "ui/ThumbnailCache.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>

namespace {

QFont smallFont(QFont::Weight weight = QFont::Normal)
{
    return InterfaceStyle::sized(11, weight);
}

} // namespace

PhotoThumbnail::PhotoThumbnail(BoardStore& store, QWidget* parent)
    : QAbstractButton(parent)
    , m_store(store)
    , m_dragAndDrop(new PhotoDragAndDrop(store, this, QUuid(), fullWidth))
{
    // The strip around it is the Tab stop; the keys there move the selection.
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(sizeHint());
    connect(this, &QAbstractButton::clicked, this, [this] { m_store.setSelectedPhotoID(m_photo.id()); });
}

QSize PhotoThumbnail::sizeHint() const
{
    return QSize(fullWidth, padding + imageHeight + 5 + QFontMetrics(smallFont()).height() + padding);
}

QString PhotoThumbnail::helpText(const BoardPhoto& photo)
{
    return photo.fileName() + QStringLiteral(" · ") + QString::number(photo.pixelWidth())
        + QStringLiteral(" × ") + QString::number(photo.pixelHeight()) + QStringLiteral(" px");
}

void PhotoThumbnail::bind(const BoardPhoto& photo, qsizetype index, qsizetype photoCount)
{
    m_photo = photo;
    m_index = index;
    m_photoCount = photoCount;
    m_dragAndDrop->setPhotoID(photo.id());
    setToolTip(helpText(photo));
    setAccessibleName(
        QCoreApplication::translate("PhotoThumbnail", "Image %1, %2").arg(index + 1).arg(photo.fileName()));
    setAccessibleDescription(m_selected ? QCoreApplication::translate("PhotoThumbnail", "Selected")
                                        : QCoreApplication::translate("PhotoThumbnail", "Not selected"));
    update();
}

void PhotoThumbnail::setSelected(bool selected)
{
    if (selected == m_selected) {
        return;
    }
    m_selected = selected;
    setAccessibleDescription(m_selected ? QCoreApplication::translate("PhotoThumbnail", "Selected")
                                        : QCoreApplication::translate("PhotoThumbnail", "Not selected"));
    update();
}

QMenu* PhotoThumbnail::createContextMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    const QUuid id = m_photo.id();
    BoardStore* store = &m_store;
    QAction* earlier = menu->addAction(QCoreApplication::translate("PhotoThumbnail", "Move Earlier"), menu,
        [store, id] { store->movePhoto(id, -1); });
    earlier->setEnabled(m_index > 0);
    QAction* later = menu->addAction(QCoreApplication::translate("PhotoThumbnail", "Move Later"), menu,
        [store, id] { store->movePhoto(id, 1); });
    later->setEnabled(m_index < m_photoCount - 1);
    menu->addSeparator();
    QAction* remove = menu->addAction(SymbolIcon::icon(QStringLiteral("trash")),
        QCoreApplication::translate("PhotoThumbnail", "Remove from Board"), menu,
        [store, id] { store->removePhoto(id); });
    remove->setObjectName(QStringLiteral("destructive"));
    return menu;
}

void PhotoThumbnail::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createContextMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void PhotoThumbnail::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const QRectF whole = QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75);
    if (m_selected) {
        painter.setBrush(InterfaceStyle::accent(this, 0.08));
        painter.setPen(QPen(InterfaceStyle::accent(this), 1.5));
    } else {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(InterfaceStyle::primary(this, 0.1), 1));
    }
    painter.drawRoundedRect(whole, 8, 8);

    // The image area: the whole thumbnail fitted in, over a faint well, with rounded corners.
    const QRectF area(padding, padding, imageWidth, imageHeight);
    QPainterPath clip;
    clip.addRoundedRect(area, 5, 5);
    painter.save();
    painter.setClipPath(clip);
    painter.fillRect(area, InterfaceStyle::primary(this, 0.035));
    const QImage& thumbnail = m_photo.thumbnail();
    if (!thumbnail.isNull()) {
        const QSizeF fitted = QSizeF(thumbnail.size()).scaled(area.size(), Qt::KeepAspectRatio);
        const QRectF target(area.center() - QPointF(fitted.width() / 2, fitted.height() / 2), fitted);
        const int side = int(std::ceil(std::max(fitted.width(), fitted.height()) * devicePixelRatioF()));
        painter.drawImage(target, ThumbnailCache::shared().image(thumbnail, side));
    }
    painter.restore();

    // The badge: the board position, whatever the board's own numbering setting.
    const QFont badgeFont = smallFont(QFont::Medium);
    const QFontMetricsF metrics(badgeFont);
    const QString number = QString::number(m_index + 1);
    const QSizeF badgeSize(metrics.horizontalAdvance(number) + 10, metrics.height() + 4);
    const QRectF badge(area.topLeft() + QPointF(4, 4), badgeSize);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgbF(0, 0, 0, 0.7f));
    painter.drawRoundedRect(badge, badge.height() / 2, badge.height() / 2);
    painter.setFont(badgeFont);
    painter.setPen(Qt::white);
    painter.drawText(badge, Qt::AlignCenter, number);

    const QFont nameFont = smallFont();
    painter.setFont(nameFont);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QRectF nameRect(padding, area.bottom() + 5, imageWidth, QFontMetricsF(nameFont).height());
    painter.drawText(nameRect, Qt::AlignHCenter | Qt::AlignVCenter,
        QFontMetrics(nameFont).elidedText(m_photo.fileName(), Qt::ElideMiddle, imageWidth));

    if (m_dragAndDrop->isTargeted()) {
        PhotoDragAndDrop::paintHighlight(painter, rect(), InterfaceStyle::accent(this));
    }
}
