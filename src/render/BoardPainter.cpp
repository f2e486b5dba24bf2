#include "render/BoardPainter.h"

#include "render/BoardFonts.h"
#include "render/BoardText.h"
#include "render/BoardTile.h"

#include <algorithm>
#include <cmath>
#include <QColorSpace>
#include <QPainter>
#include <QPainterPath>

BoardPainter::BoardPainter(BoardLayout layout, const BoardSettings& settings)
    : m_layout(std::move(layout))
    , m_settings(settings.normalized())
{ }

namespace {
// Restores the painter even when a photo's provider throws half-way through the board.
class SavedPainterState
{
public:
    explicit SavedPainterState(QPainter& painter)
        : m_painter(painter)
    {
        m_painter.save();
    }
    ~SavedPainterState() { m_painter.restore(); }
    SavedPainterState(const SavedPainterState&) = delete;
    SavedPainterState& operator=(const SavedPainterState&) = delete;

private:
    QPainter& m_painter;
};
} // namespace

void BoardPainter::draw(QPainter& painter, const QList<BoardPhoto>& photos, const ImageProvider& images) const
{
    const SavedPainterState saved(painter);
    painter.setRenderHints(
        QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    drawBackground(painter);
    drawTitle(painter);
    for (const BoardCellLayout& cell : m_layout.cells()) {
        if (cell.index < 0 || cell.index >= photos.size()) {
            continue;
        }
        const BoardPhoto& photo = photos[cell.index];
        // The decoded image lives for this cell only.
        const QImage image = images(cell, photo, decodeSize(drawnRect(cell, photo)));
        drawCell(painter, cell, photo, image);
    }
}

void BoardPainter::drawBackground(QPainter& painter) const
{
    painter.fillRect(QRectF(QPointF(0, 0), m_layout.size()), canvasColor(m_settings.background));
}

void BoardPainter::drawTitle(QPainter& painter) const
{
    if (!m_layout.titleRect()) {
        return;
    }
    const double size = m_layout.titleFontSize();
    BoardText::drawBlock(painter, titleText(m_settings.title), *m_layout.titleRect(),
        BoardFonts::font(BoardFonts::Role::title, size, *painter.device()), textColor(m_settings.background),
        titleLines, size * BoardLayout::titleHeightFactor);
}

void BoardPainter::drawCell(
    QPainter& painter, const BoardCellLayout& cell, const BoardPhoto& photo, const QImage& image) const
{
    // The board is sRGB and painting does not convert, so a photo tagged with another colour
    // space (a wide-gamut phone picture) is converted first rather than drawn oversaturated.
    QImage photoImage = image;
    if (photoImage.colorSpace().isValid() && photoImage.colorSpace() != QColorSpace::SRgb) {
        photoImage.convertToColorSpace(QColorSpace::SRgb);
    }
    BoardTile::draw(painter, cell.imageRect, m_layout.imageCornerRadius(),
        imageWellColor(m_settings.background), photoImage, placedRect(cell, photo, photoImage));
    if (m_settings.showNumbers) {
        drawBadge(painter, cell);
    }
    if (cell.captionRect) {
        BoardText::drawBlock(painter, captionText(photo), *cell.captionRect,
            BoardFonts::font(BoardFonts::Role::caption, m_layout.captionFontSize(), *painter.device()),
            secondaryTextColor(m_settings.background), BoardLayout::captionLines,
            m_layout.captionLineHeight());
    }
}

void BoardPainter::drawBadge(QPainter& painter, const BoardCellLayout& cell) const
{
    const QRectF& badge = cell.numberRect;
    QPainterPath capsule;
    capsule.addRoundedRect(badge, badge.height() / 2, badge.height() / 2);
    painter.fillPath(capsule, badgeColor());
    BoardText::drawCentredLabel(painter, QString::number(cell.index + 1), badge,
        BoardFonts::font(BoardFonts::Role::number, m_layout.numberFontSize(), *painter.device()),
        numberColor());
}

QRectF BoardPainter::drawnRect(const BoardCellLayout& cell, const BoardPhoto& photo) const
{
    return BoardLayout::imageRect(photo.pixelSize(), cell.imageRect, m_settings.photoFit);
}

QRectF BoardPainter::placedRect(
    const BoardCellLayout& cell, const BoardPhoto& photo, const QImage& image) const
{
    const QRectF recorded = drawnRect(cell, photo);
    if (image.isNull()) {
        return recorded;
    }
    const double recordedWidth = double(photo.pixelWidth());
    const double recordedHeight = double(photo.pixelHeight());
    const double width = image.width();
    const double height = image.height();
    bool agrees = recordedWidth > 0 && recordedHeight > 0;
    if (agrees) {
        // Scaled to the image's longer side, the record must give the shorter side to within
        // the pixel the downsampling may round.
        if (width >= height) {
            agrees = std::abs(recordedHeight * width / recordedWidth - height) <= 1.0;
        } else {
            agrees = std::abs(recordedWidth * height / recordedHeight - width) <= 1.0;
        }
    }
    return agrees ? recorded : BoardLayout::imageRect(image.size(), cell.imageRect, m_settings.photoFit);
}

int BoardPainter::decodeSize(const QRectF& drawnRect)
{
    const double longer = std::ceil(std::max(drawnRect.width(), drawnRect.height()));
    if (!(longer >= minimumDecodeSize)) {
        return minimumDecodeSize;
    }
    return longer > maximumDecodeSize ? maximumDecodeSize : int(longer);
}

QString BoardPainter::captionText(const BoardPhoto& photo) const
{
    return photo.displayCaption(m_settings.captionMode);
}

QString BoardPainter::titleText(const QString& title)
{
    QString text = title.trimmed();
    // One line: a carriage return must not start a second line either.
    for (QChar& character : text) {
        if (character == u'\n' || character == u'\r') {
            character = u' ';
        }
    }
    return text;
}
