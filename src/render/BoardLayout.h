#pragma once

#include "model/BoardSettings.h"
#include "model/PhotoFit.h"
#include "render/BoardCellLayout.h"

#include <optional>
#include <QList>
#include <QRectF>
#include <QSizeF>

// The whole geometry of a board, computed from the photo count and the settings alone. The
// preview, the export size shown in the window, the inspector's limit warning and the exported
// files all read this one computation, so they can never disagree. Lengths are layout units:
// one unit is one PNG pixel and half a PDF point.
class BoardLayout
{
public:
    // An empty board with the default settings.
    BoardLayout();
    // Never fails: the settings are normalized first, so any record gives a sound layout.
    BoardLayout(qsizetype photoCount, const BoardSettings& settings);

    QSizeF size() const { return m_size; }
    double width() const { return m_size.width(); }
    double height() const { return m_size.height(); }
    // One entry per laid-out photo (at most 60), in board order.
    const QList<BoardCellLayout>& cells() const { return m_cells; }
    // Absent without photos or when the title is blank.
    const std::optional<QRectF>& titleRect() const { return m_titleRect; }
    double captionFontSize() const { return m_captionFontSize; }
    // A whole number.
    double captionLineHeight() const { return m_captionLineHeight; }
    double titleFontSize() const { return m_titleFontSize; }
    double numberFontSize() const { return m_numberFontSize; }
    double imageCornerRadius() const { return m_imageCornerRadius; }
    double padding() const { return m_padding; }
    double spacing() const { return m_spacing; }

    // The size rounded up to whole pixels; 0 for a size that is not a finite, representable number.
    qint64 pixelWidth() const;
    qint64 pixelHeight() const;
    // The one rule for "too large to export", on the whole pixels an export of `size` has (each
    // side rounded up): a side beyond BoardLimits::maxOutputDimension, an area beyond
    // maxOutputPixels, or no pixels at all. The renderer's refusal, the inspector's warning and
    // the enabling of export and copy all ask it.
    static bool tooLargeToExport(QSizeF size);
    bool tooLargeToExport() const { return tooLargeToExport(m_size); }

    // Where to draw a whole image of imageSize so that it fits inside target or fills it, centred.
    // An image size that is not finite and positive gives the target unchanged.
    static QRectF imageRect(QSizeF imageSize, const QRectF& target, PhotoFit fit);

    bool operator==(const BoardLayout& other) const = default;

    // Constants of the computation.
    static constexpr double minimumColumnWidth = 64;
    static constexpr double captionFontDivisor = 5;
    static constexpr double captionFontFloor = 12;
    static constexpr double captionLineHeightFactor = 1.25;
    static constexpr int captionLines = 2;
    static constexpr double captionGapFactor = 0.45;
    static constexpr double captionGapMinimum = 8;
    static constexpr double numberFontFactor = 0.06;
    static constexpr double numberFontMaximum = 32;
    static constexpr double numberFontMinimum = 12;
    static constexpr double badgeHeightFactor = 1.6;
    static constexpr double badgeWidthFactor = 1.55;
    static constexpr double badgeInsetFactor = 0.025;
    static constexpr double badgeInsetMinimum = 4;
    static constexpr double badgeInsetMaximum = 12;
    static constexpr double titleHeightFactor = 1.4;
    static constexpr double titleGapMinimum = 24;
    static constexpr double emptyBoardHeightFactor = 0.625;
    static constexpr double emptyBoardMinimumHeight = 480;

private:
    QSizeF m_size;
    QList<BoardCellLayout> m_cells;
    std::optional<QRectF> m_titleRect;
    double m_captionFontSize = 0;
    double m_captionLineHeight = 0;
    double m_titleFontSize = 0;
    double m_numberFontSize = 0;
    double m_imageCornerRadius = 0;
    double m_padding = 0;
    double m_spacing = 0;
};
