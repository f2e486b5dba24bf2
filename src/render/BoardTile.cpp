#include "render/BoardTile.h"

#include <algorithm>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int bandRows = 256;

QPainterPath roundedRect(const QRectF& rect, double radiusX, double radiusY)
{
    QPainterPath path;
    if (radiusX > 0 && radiusY > 0) {
        path.addRoundedRect(rect, radiusX, radiusY);
    } else {
        path.addRect(rect);
    }
    return path;
}
} // namespace

void BoardTile::draw(QPainter& painter, const QRectF& tileRect, double cornerRadius, const QColor& wellColor,
    const QImage& image, const QRectF& drawnRect)
{
    if (tileRect.isEmpty()) {
        return;
    }
    const QPaintEngine* engine = painter.paintEngine();
    const bool raster = engine != nullptr && engine->type() == QPaintEngine::Raster;
    if (raster && painter.deviceTransform().type() <= QTransform::TxScale) {
        drawComposed(painter, tileRect, cornerRadius, wellColor, image, drawnRect);
    } else {
        drawClipped(painter, tileRect, cornerRadius, wellColor, image, drawnRect);
    }
}

void BoardTile::drawClipped(QPainter& painter, const QRectF& tileRect, double cornerRadius,
    const QColor& wellColor, const QImage& image, const QRectF& drawnRect)
{
    painter.save();
    painter.setClipPath(roundedRect(tileRect, cornerRadius, cornerRadius), Qt::IntersectClip);
    painter.fillRect(tileRect, wellColor);
    if (!image.isNull()) {
        painter.drawImage(drawnRect, image);
    }
    painter.restore();
}

void BoardTile::drawComposed(QPainter& painter, const QRectF& tileRect, double cornerRadius,
    const QColor& wellColor, const QImage& image, const QRectF& drawnRect)
{
    const QTransform transform = painter.deviceTransform();
    const QRectF deviceTile = transform.mapRect(tileRect);
    const QRectF deviceDrawn = transform.mapRect(drawnRect);
    const QPainterPath shape = roundedRect(
        deviceTile, cornerRadius * std::abs(transform.m11()), cornerRadius * std::abs(transform.m22()));
    const QPaintDevice* device = painter.device();
    const double pixelRatio = device->devicePixelRatio();
    const QRect deviceBounds(0, 0, int(device->width() * pixelRatio), int(device->height() * pixelRatio));
    const QRect area = deviceTile.toAlignedRect() & deviceBounds;
    if (area.isEmpty()) {
        return;
    }

    painter.save();
    painter.resetTransform();
    for (int top = area.top(); top <= area.bottom(); top += bandRows) {
        const QRect band(area.left(), top, area.width(), std::min(bandRows, area.bottom() + 1 - top));
        QImage composed(band.size(), QImage::Format_ARGB32_Premultiplied);
        if (composed.isNull()) {
            break;
        }
        composed.fill(Qt::transparent);
        {
            QPainter bandPainter(&composed);
            bandPainter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
            bandPainter.translate(-band.topLeft());
            bandPainter.fillPath(shape, wellColor);
            if (!image.isNull()) {
                // Source-atop keeps the shape's coverage: the photo shows only inside the tile,
                // with the same soft edge as the well.
                bandPainter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
                bandPainter.drawImage(deviceDrawn, image);
            }
        }
        composed.setDevicePixelRatio(pixelRatio);
        painter.drawImage(QPointF(band.topLeft()) / pixelRatio, composed);
    }
    painter.restore();
}
