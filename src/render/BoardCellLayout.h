#pragma once

#include <optional>
#include <QRectF>
#include <QtGlobal>

// The geometry of one laid-out photo, in layout units (origin top-left, y down).
struct BoardCellLayout
{
    // Position of the photo in the board's list, which is also its place in reading order.
    qsizetype index = 0;
    // The whole cell: tile, caption gap and caption area.
    QRectF frame;
    // The image tile at the top of the cell, the full cell width wide.
    QRectF imageRect;
    // Absent when the board shows no captions.
    std::optional<QRectF> captionRect;
    // Always computed; drawn only when numbers are shown.
    QRectF numberRect;

    bool operator==(const BoardCellLayout& other) const = default;
};
