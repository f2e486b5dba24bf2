#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>

class QPainter;

// One image tile: a rounded rectangle in the well colour with the photo drawn into it, the
// photo cut off at the tile's rounded edge.
//
// Qt's raster engine clips paths without antialiasing, which would leave jagged corners on a
// bitmap. On raster devices the tile is therefore composed in device pixels, in bands of a few
// hundred rows so that even a 6000-pixel tile costs little memory: the antialiased tile shape
// first, then the photo drawn only where that shape is. Vector devices (PDF) get an exact clip path
// and the photo itself, so the document embeds the photo rather than a pre-cut copy.
class BoardTile
{
public:
    // image may be null: the tile then shows only its well colour.
    static void draw(QPainter& painter, const QRectF& tileRect, double cornerRadius, const QColor& wellColor,
        const QImage& image, const QRectF& drawnRect);

private:
    static void drawClipped(QPainter& painter, const QRectF& tileRect, double cornerRadius,
        const QColor& wellColor, const QImage& image, const QRectF& drawnRect);
    static void drawComposed(QPainter& painter, const QRectF& tileRect, double cornerRadius,
        const QColor& wellColor, const QImage& image, const QRectF& drawnRect);
};
