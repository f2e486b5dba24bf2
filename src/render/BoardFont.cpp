#include "render/BoardFont.h"

#include "render/PdfTextLayer.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>

namespace {
QFont oversampled(QFont font, double pixelSize, const QPaintDevice& device)
{
    // Point sizes go through the device's own resolution back to pixels.
    const int dpi = device.logicalDpiY() > 0 ? device.logicalDpiY() : 72;
    font.setPointSizeF(std::max(pixelSize, 0.1) * BoardFont::oversampling * 72.0 / dpi);
    return font;
}
} // namespace

BoardFont::BoardFont(const QFont& font, double pixelSize, const QPaintDevice& device)
    : m_font(oversampled(font, pixelSize, device))
    , m_pixelSize(pixelSize)
    , m_device(&device)
    , m_metrics(m_font, &device)
{ }

QString BoardFont::elided(const QString& text, double width) const
{
    return m_metrics.elidedText(text, Qt::ElideRight, width * oversampling);
}

void BoardFont::draw(QPainter& painter, QPointF baselineStart, const QString& text) const
{
    painter.save();
    painter.translate(baselineStart);
    painter.scale(1 / oversampling, 1 / oversampling);
    painter.setFont(m_font);
    if (painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Pdf) {
        PdfTextLayer::noteLine(text, m_font, *painter.device());
    }
    painter.drawText(QPointF(0, 0), text);
    painter.restore();
}
