#include "render/BoardText.h"

#include <algorithm>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

namespace {
QString withLineFeeds(const QString& text)
{
    QString result = text;
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return result;
}

bool isHardBreak(QChar character)
{
    return character == u'\n' || character == u'\r' || character == QChar::LineSeparator
        || character == QChar::ParagraphSeparator;
}

// A line is drawn without its closing hard break.
QString withoutHardBreaks(QString text)
{
    while (!text.isEmpty() && isHardBreak(text.back())) {
        text.chop(1);
    }
    return text;
}
} // namespace

QString BoardText::truncated(const QString& text, double width, const QFont& font, const QPaintDevice& device)
{
    const QString result = QFontMetricsF(font, &device).elidedText(text, Qt::ElideRight, width);
    // Not even one character fits before the ellipsis: show the ellipsis alone.
    return result.isEmpty() ? ellipsis() : result;
}

QStringList BoardText::blockLines(
    const QString& text, double width, const QFont& font, const QPaintDevice& device, int maximumLines)
{
    const QString prepared = withLineFeeds(text);
    if (prepared.isEmpty() || !(width > 0) || maximumLines < 1) {
        return {};
    }
    // QTextLayout breaks only at Unicode line separators, so line feeds and lone carriage
    // returns become separators; the text keeps its length, so positions stay valid.
    QString breakable = prepared;
    for (QChar& character : breakable) {
        if (character == u'\n' || character == u'\r') {
            character = QChar::LineSeparator;
        }
    }
    QTextLayout layout(breakable, font, &device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setUseDesignMetrics(true);
    layout.setTextOption(option);

    QStringList lines;
    const qsizetype length = prepared.size();
    qsizetype start = 0;
    layout.beginLayout();
    for (int index = 0; index < maximumLines && start < length; ++index) {
        QTextLine line = layout.createLine();
        if (!line.isValid()) {
            break;
        }
        line.setLineWidth(width);
        const qsizetype count
            = std::clamp<qsizetype>(line.textStart() + line.textLength() - start, 1, length - start);
        if (index == maximumLines - 1 && start + count < length) {
            QString rest = prepared.mid(start);
            for (QChar& character : rest) {
                if (character == u'\n' || character == u'\r') {
                    character = u' ';
                }
            }
            lines.append(truncated(rest, width, font, device));
            break;
        }
        lines.append(withoutHardBreaks(prepared.mid(start, count)));
        start += count;
    }
    layout.endLayout();
    return lines;
}

void BoardText::drawBlock(QPainter& painter, const QString& text, const QRectF& rect, const QFont& font,
    const QColor& color, int maximumLines, double lineHeight)
{
    if (!(rect.width() > 0) || !(rect.height() > 0)) {
        return;
    }
    const QPaintDevice& device = *painter.device();
    const QStringList lines = blockLines(text, rect.width(), font, device, maximumLines);
    if (lines.isEmpty()) {
        return;
    }
    const QFontMetricsF metrics(font, &device);
    const double halfLeading = std::max(0.0, (lineHeight - metrics.ascent() - metrics.descent()) / 2);

    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setFont(font);
    painter.setPen(color);
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const double baseline = rect.top() + halfLeading + metrics.ascent() + double(index) * lineHeight;
        painter.drawText(QPointF(rect.left(), baseline), lines[index]);
    }
    painter.restore();
}

void BoardText::drawCentredLabel(
    QPainter& painter, const QString& text, const QRectF& rect, const QFont& font, const QColor& color)
{
    if (!(rect.width() > 0) || !(rect.height() > 0)) {
        return;
    }
    const QPaintDevice& device = *painter.device();
    const QStringList lines = blockLines(text, rect.width(), font, device, 1);
    if (lines.isEmpty()) {
        return;
    }
    const QFontMetricsF metrics(font, &device);
    const double advance = metrics.horizontalAdvance(lines.first());
    const double penX = rect.left() + std::max(0.0, (rect.width() - advance) / 2);
    const double baseline
        = rect.top() + (rect.height() - metrics.ascent() - metrics.descent()) / 2 + metrics.ascent();

    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(QPointF(penX, baseline), lines.first());
    painter.restore();
}
