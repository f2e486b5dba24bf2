#include "ui/BoardCanvas.h"

#include "render/BoardPainter.h"
#include "store/BoardStore.h"
#include "ui/PreviewTile.h"
#include "ui/ThumbnailCache.h"

#include <algorithm>
#include <cmath>
#include <QPainter>
#include <QPaintEvent>

BoardCanvas::BoardCanvas(BoardStore& store, QWidget* parent)
    : QWidget(parent)
    , m_store(store)
{
    // The board covers every pixel it owns, so nothing behind it needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&m_store, &BoardStore::selectedPhotoIDChanged, this, &BoardCanvas::updateSelection);
    refresh();
}

void BoardCanvas::setScale(double scale)
{
    if (scale == m_scale) {
        return;
    }
    m_scale = scale;
    setFixedSize(scaledSize());
    placeTiles();
    update();
}

QSize BoardCanvas::scaledSize() const
{
    return QSize(int(std::ceil(m_layout.width() * m_scale)), int(std::ceil(m_layout.height() * m_scale)));
}

void BoardCanvas::refresh()
{
    m_layout = BoardLayout(m_store.photos().size(), m_store.settings());
    const QList<BoardPhoto>& photos = m_store.photos();
    const qsizetype count = m_layout.cells().size();
    // Tiles are bound to photos only when the photos change: a settings edit just moves them.
    const bool photosChanged = m_tiles.size() != count
        || std::any_of(
            m_tiles.cbegin(), m_tiles.cend(), [&, index = qsizetype(0)](const PreviewTile* tile) mutable {
                return tile->photoID() != photos[m_layout.cells()[index++].index].id();
            });
    while (m_tiles.size() < count) {
        auto* tile = new PreviewTile(m_store, this);
        tile->show();
        m_tiles.append(tile);
    }
    while (m_tiles.size() > count) {
        delete m_tiles.takeLast();
    }
    if (photosChanged || m_boundNames != fileNames()) {
        for (qsizetype index = 0; index < count; ++index) {
            const BoardPhoto& photo = photos[m_layout.cells()[index].index];
            m_tiles[index]->bind(photo.id(), photo.fileName(), m_layout.cells()[index].index);
        }
        m_boundNames = fileNames();
    }
    setFixedSize(scaledSize());
    placeTiles();
    updateSelection();
    update();
}

QStringList BoardCanvas::fileNames() const
{
    QStringList names;
    for (const BoardPhoto& photo : m_store.photos()) {
        names.append(photo.fileName());
    }
    return names;
}

void BoardCanvas::placeTiles()
{
    for (qsizetype index = 0; index < m_tiles.size(); ++index) {
        const QRectF rect = m_layout.cells()[index].imageRect;
        const QRectF scaled(rect.topLeft() * m_scale, rect.size() * m_scale);
        m_tiles[index]->setGeometry(scaled.toRect());
        m_tiles[index]->setCornerRadius(m_layout.imageCornerRadius() * m_scale);
    }
}

void BoardCanvas::updateSelection()
{
    const std::optional<QUuid>& selected = m_store.selectedPhotoID();
    for (PreviewTile* tile : std::as_const(m_tiles)) {
        tile->setSelected(selected && *selected == tile->photoID());
    }
}

void BoardCanvas::paintEvent(QPaintEvent* event)
{
    const QRect exposed = event->rect();
    if (exposed.isEmpty() || m_scale <= 0) {
        return;
    }
    // Drawn into an image of our own so the painter's device coordinates are exactly ours.
    const double pixelRatio = devicePixelRatioF();
    QImage image((QSizeF(exposed.size()) * pixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    // The widget is whole pixels; the board's last partial pixel shows its own colour.
    image.fill(canvasColor(m_store.settings().normalized().background));
    {
        QPainter painter(&image);
        painter.setRenderHints(
            QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
        painter.translate(-exposed.topLeft());
        painter.scale(m_scale, m_scale);
        const BoardPainter boardPainter(m_layout, m_store.settings());
        boardPainter.drawBackground(painter);
        const QRectF visible(QPointF(exposed.topLeft()) / m_scale, QSizeF(exposed.size()) / m_scale);
        if (m_layout.titleRect() && m_layout.titleRect()->intersects(visible)) {
            boardPainter.drawTitle(painter);
        }
        const QList<BoardPhoto>& photos = m_store.photos();
        ThumbnailCache& thumbnails = ThumbnailCache::shared();
        for (const BoardCellLayout& cell : m_layout.cells()) {
            if (!cell.frame.intersects(visible) || cell.index >= photos.size()) {
                continue;
            }
            const BoardPhoto& photo = photos[cell.index];
            const QRectF drawn = boardPainter.drawnRect(cell, photo);
            const int side = int(std::ceil(std::max(drawn.width(), drawn.height()) * m_scale * pixelRatio));
            boardPainter.drawCell(painter, cell, photo, thumbnails.image(photo.thumbnail(), side));
        }
    }
    QPainter(this).drawImage(exposed.topLeft(), image);
}
