#include "render/BoardLayout.h"

#include "model/BoardLimits.h"
#include "model/CellShape.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
qint64 roundedUpPixels(double length)
{
    const double rounded = std::ceil(length);
    // 2^63 is exactly representable; anything at or above it does not fit a qint64.
    if (!std::isfinite(rounded) || rounded >= 9223372036854775808.0 || rounded < -9223372036854775808.0) {
        return 0;
    }
    return qint64(rounded);
}
} // namespace

BoardLayout::BoardLayout()
    : BoardLayout(0, BoardSettings())
{ }

BoardLayout::BoardLayout(qsizetype photoCount, const BoardSettings& settings)
{
    const BoardSettings normalized = settings.normalized();
    const auto columns = double(normalized.columns);
    const auto width = double(normalized.outputWidth);
    const qsizetype count = std::clamp<qsizetype>(photoCount, 0, qsizetype(BoardLimits::maxPhotos));

    // Spacing and padding shrink together so that every column keeps its minimum width.
    const double gaps = normalized.spacing * (columns - 1) + 2 * normalized.padding;
    const double slack = width - minimumColumnWidth * columns;
    const double factor = gaps > 0 ? std::min(std::max(slack, 0.0) / gaps, 1.0) : 1.0;
    m_padding = normalized.padding * factor;
    m_spacing = normalized.spacing * factor;

    const double cellWidth = (width - 2 * m_padding - (columns - 1) * m_spacing) / columns;
    const double tileHeight = cellWidth / ratio(normalized.cellAspect);

    m_captionFontSize
        = std::min(std::max(cellWidth / captionFontDivisor, captionFontFloor), normalized.captionFontSize);
    m_captionLineHeight = std::ceil(m_captionFontSize * captionLineHeightFactor);
    m_numberFontSize = std::max(std::min(cellWidth * numberFontFactor, numberFontMaximum), numberFontMinimum);
    m_titleFontSize = normalized.titleFontSize;
    // A rounded tile never has corners larger than half its shorter side.
    m_imageCornerRadius = std::min(normalized.cornerRadius, 0.5 * std::min(cellWidth, tileHeight));

    if (count == 0) {
        m_size = QSizeF(width, std::ceil(std::max(width * emptyBoardHeightFactor, emptyBoardMinimumHeight)));
        return;
    }

    double titleHeight = 0;
    double titleGap = 0;
    if (!normalized.title.trimmed().isEmpty()) {
        titleHeight = std::ceil(m_titleFontSize * titleHeightFactor);
        titleGap = std::max(m_spacing, titleGapMinimum);
        m_titleRect = QRectF(m_padding, m_padding, width - 2 * m_padding, titleHeight);
    }

    const bool hasCaptions = normalized.captionMode != CaptionMode::none;
    const double captionGap
        = hasCaptions ? std::max(m_captionFontSize * captionGapFactor, captionGapMinimum) : 0;
    const double captionHeight = hasCaptions ? captionLines * m_captionLineHeight : 0;
    const double cellHeight = tileHeight + captionGap + captionHeight;
    const double top = m_padding + titleHeight + titleGap;

    const qsizetype perRow = qsizetype(normalized.columns);
    const qsizetype rows = (count + perRow - 1) / perRow;
    const double height = top + double(rows) * cellHeight + double(rows - 1) * m_spacing + m_padding;
    m_size = QSizeF(width, std::ceil(height));

    const double badgeHeight = std::ceil(m_numberFontSize * badgeHeightFactor);
    const double badgeWidth = std::min(std::ceil(badgeHeight * badgeWidthFactor), cellWidth);
    const double inset = std::clamp(badgeInsetFactor * cellWidth, badgeInsetMinimum, badgeInsetMaximum);

    m_cells.reserve(count);
    for (qsizetype index = 0; index < count; ++index) {
        const double x = m_padding + double(index % perRow) * (cellWidth + m_spacing);
        const double y = top + double(index / perRow) * (cellHeight + m_spacing);
        BoardCellLayout cell;
        cell.index = index;
        cell.frame = QRectF(x, y, cellWidth, cellHeight);
        cell.imageRect = QRectF(x, y, cellWidth, tileHeight);
        if (hasCaptions) {
            cell.captionRect = QRectF(x, y + tileHeight + captionGap, cellWidth, captionHeight);
        }
        cell.numberRect = QRectF(x + inset, y + inset, badgeWidth, badgeHeight);
        m_cells.append(cell);
    }
}

qint64 BoardLayout::pixelWidth() const
{
    return roundedUpPixels(m_size.width());
}

qint64 BoardLayout::pixelHeight() const
{
    return roundedUpPixels(m_size.height());
}

bool BoardLayout::tooLargeToExport(QSizeF size)
{
    const qint64 width = roundedUpPixels(size.width());
    const qint64 height = roundedUpPixels(size.height());
    return width < 1 || height < 1 || width > BoardLimits::maxOutputDimension
        || height > BoardLimits::maxOutputDimension
        || double(width) * double(height) > double(BoardLimits::maxOutputPixels);
}

QRectF BoardLayout::imageRect(QSizeF imageSize, const QRectF& target, PhotoFit fit)
{
    const double imageWidth = imageSize.width();
    const double imageHeight = imageSize.height();
    if (!std::isfinite(imageWidth) || !std::isfinite(imageHeight) || imageWidth <= 0 || imageHeight <= 0) {
        return target;
    }
    const double scaleX = target.width() / imageWidth;
    const double scaleY = target.height() / imageHeight;
    const double scale = fit == PhotoFit::fit ? std::min(scaleX, scaleY) : std::max(scaleX, scaleY);
    const double drawnWidth = imageWidth * scale;
    const double drawnHeight = imageHeight * scale;
    return QRectF(target.x() + target.width() / 2 - drawnWidth / 2,
        target.y() + target.height() / 2 - drawnHeight / 2, drawnWidth, drawnHeight);
}
