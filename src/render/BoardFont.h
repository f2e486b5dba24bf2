#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPointF>
#include <QString>

class QPaintDevice;
class QPainter;

// A font at an exact, possibly fractional, size in layout units.
//
// QFont rounds every size to whole pixels (a 12.8-unit caption would be set at 13), so the font is
// held `oversampling` times larger, measured there and drawn under a matching scale. Unhinted
// outlines scale linearly, so metrics and line breaks are those of the exact size, on the bitmap,
// in the PDF (where the text stays text) and in the scaled preview alike.
class BoardFont
{
public:
    BoardFont(const QFont& font, double pixelSize, const QPaintDevice& device);

    static constexpr double oversampling = 16;

    double pixelSize() const { return m_pixelSize; }
    double ascent() const { return m_metrics.ascent() / oversampling; }
    double descent() const { return m_metrics.descent() / oversampling; }
    double capHeight() const { return m_metrics.capHeight() / oversampling; }
    double advance(const QString& text) const { return m_metrics.horizontalAdvance(text) / oversampling; }
    // The text cut at its end with "…" to fit width; the text itself when it fits.
    QString elided(const QString& text, double width) const;

    // The font to lay text out with, at oversampling times the size: widths given to it must
    // be multiplied by oversampling too.
    const QFont& oversampledFont() const { return m_font; }
    const QPaintDevice& device() const { return *m_device; }

    // One line with its pen at `baselineStart`, in the painter's current pen.
    void draw(QPainter& painter, QPointF baselineStart, const QString& text) const;

private:
    QFont m_font;
    double m_pixelSize;
    const QPaintDevice* m_device;
    QFontMetricsF m_metrics;
};
