#pragma once

#include "render/BoardFont.h"

#include <QColor>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

// The board's two kinds of text: left-aligned blocks of a few lines (title, captions) and the
// centred one-line label of a number badge. Coordinates are the painter's (layout units, y down).
class BoardText
{
public:
    // The lines a block shows: broken where Unicode's line breaking allows and after every hyphen
    // inside a word (anywhere inside a word only when that word alone is too long), hard line
    // breaks honoured, and what does not fit into maximumLines folded into the
    // last line and cut with "…". Empty when there is nothing to draw.
    static QStringList blockLines(const QString& text, double width, const BoardFont& font, int maximumLines);

    // Lines of lineHeight each, the glyphs centred in their line (half leading above), clipped
    // to rect. Draws nothing for an empty text or an empty rectangle.
    static void drawBlock(QPainter& painter, const QString& text, const QRectF& rect, const BoardFont& font,
        const QColor& color, int maximumLines, double lineHeight);

    // One line centred on both axes (the glyph box, ascent to descent, centred vertically),
    // cut with "…" when wider than rect.
    static void drawCentredLabel(QPainter& painter, const QString& text, const QRectF& rect,
        const BoardFont& font, const QColor& color);

    static QString ellipsis() { return QStringLiteral("\u2026"); }
};
