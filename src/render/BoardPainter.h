#pragma once

#include "model/BoardPhoto.h"
#include "model/BoardSettings.h"
#include "render/BoardLayout.h"

#include <functional>
#include <QColor>
#include <QImage>
#include <QList>

class QPainter;

// Draws a board into any QPainter whose coordinates are layout units: the PNG bitmap, the PDF
// page and the on-screen preview all go through here, so they can never disagree. The painter
// reads the layout and the settings only; where the pixels of each photo come from is the
// caller's choice (the export decodes the stored bytes, the preview passes thumbnails).
class BoardPainter
{
public:
    // The image to draw for one cell, upright, about decodeSize pixels on its longer side. A
    // null image leaves the tile in its well colour; the export's provider throws instead.
    using ImageProvider
        = std::function<QImage(const BoardCellLayout& cell, const BoardPhoto& photo, int decodeSize)>;

    BoardPainter(BoardLayout layout, const BoardSettings& settings);

    const BoardLayout& layout() const { return m_layout; }
    const BoardSettings& settings() const { return m_settings; }

    // The whole board in order: background, title, then each cell. Photos are read by each
    // cell's index, and one image is asked for and released per cell.
    void draw(QPainter& painter, const QList<BoardPhoto>& photos, const ImageProvider& images) const;

    void drawBackground(QPainter& painter) const;
    void drawTitle(QPainter& painter) const;
    // Tile with the photo, number badge and caption of one cell.
    void drawCell(
        QPainter& painter, const BoardCellLayout& cell, const BoardPhoto& photo, const QImage& image) const;

    // Where the whole photo goes in its tile (it overhangs the tile in fill mode).
    QRectF drawnRect(const BoardCellLayout& cell, const BoardPhoto& photo) const;
    // The longer side to decode a photo at for a drawn rectangle: its longer side in layout
    // units, rounded up, within 64 and 6144.
    static int decodeSize(const QRectF& drawnRect);
    // The text a cell's caption shows (empty for none, and for an empty custom caption).
    QString captionText(const BoardPhoto& photo) const;
    // The title as drawn: trimmed, on one line.
    static QString titleText(const QString& title);

    static QColor badgeColor() { return QColor::fromRgbF(0, 0, 0, 0.72f); }
    static QColor numberColor() { return QColor(Qt::white); }

    static constexpr int minimumDecodeSize = 64;
    static constexpr int maximumDecodeSize = 6144;
    static constexpr int titleLines = 1;

private:
    // The recorded pixel size decides the geometry; only an image whose proportions clearly
    // contradict it (more than rounding can explain) is placed by its own size, so that a wrong
    // record never stretches a photo.
    QRectF placedRect(const BoardCellLayout& cell, const BoardPhoto& photo, const QImage& image) const;
    void drawBadge(QPainter& painter, const BoardCellLayout& cell) const;

    BoardLayout m_layout;
    BoardSettings m_settings;
};
