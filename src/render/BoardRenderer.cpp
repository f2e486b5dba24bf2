#include "render/BoardRenderer.h"

#include "model/BoardLimits.h"
#include "render/BoardPainter.h"
#include "render/BoardRenderError.h"
#include "render/PdfPageBox.h"
#include "render/PdfTextLayer.h"
#include "render/PhotoDecodeQueue.h"
#include "render/PngEncoder.h"

#include <cmath>
#include <QBuffer>
#include <QColorSpace>
#include <QPagedPaintDevice>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

BoardLayout BoardRenderer::validatedLayout(const QList<BoardPhoto>& photos, const BoardSettings& settings)
{
    if (photos.isEmpty()) {
        throw BoardRenderError(BoardRenderError::Kind::emptyBoard);
    }
    if (photos.size() > BoardLimits::maxPhotos) {
        throw BoardRenderError(BoardRenderError::Kind::tooManyImages);
    }
    BoardLayout layout(photos.size(), settings);
    if (!std::isfinite(layout.width()) || !std::isfinite(layout.height())) {
        throw BoardRenderError(BoardRenderError::Kind::oversizedBoard);
    }
    const qint64 width = layout.pixelWidth();
    const qint64 height = layout.pixelHeight();
    const bool accepted = width >= 1 && height >= 1 && width <= BoardLimits::maxOutputDimension
        && height <= BoardLimits::maxOutputDimension
        && double(width) * double(height) <= double(BoardLimits::maxOutputPixels);
    if (!accepted) {
        throw BoardRenderError(BoardRenderError::Kind::oversizedBoard);
    }
    return layout;
}

void BoardRenderer::draw(QPainter& painter, const QList<BoardPhoto>& photos, const BoardSettings& settings,
    const BoardLayout& layout, const std::function<void(int)>& rowsFinishedBefore)
{
    const BoardPainter boardPainter(layout, settings);
    QList<int> sizes;
    sizes.reserve(layout.cells().size());
    for (const BoardCellLayout& cell : layout.cells()) {
        sizes.append(BoardPainter::decodeSize(boardPainter.drawnRect(cell, photos[cell.index])));
    }
    PhotoDecodeQueue decoded(photos, layout, sizes);
    boardPainter.draw(painter, photos, [&](const BoardCellLayout& cell, const BoardPhoto&, int) {
        // Every cell is drawn within its own frame, so once the painter asks for a cell, nothing
        // above that cell's row changes any more.
        if (rowsFinishedBefore) {
            rowsFinishedBefore(int(std::floor(cell.frame.top())));
        }
        return decoded.take(cell.index);
    });
}

QByteArray BoardRenderer::pngData(const QList<BoardPhoto>& photos, const BoardSettings& settings)
{
    const BoardSettings normalized = settings.normalized();
    const BoardLayout layout = validatedLayout(photos, normalized);

    // Bytes red, green, blue, alpha in memory, alpha premultiplied while drawing.
    QImage bitmap(int(layout.pixelWidth()), int(layout.pixelHeight()), QImage::Format_RGBA8888_Premultiplied);
    if (bitmap.isNull()) {
        throw BoardRenderError(BoardRenderError::Kind::cannotCreateContext);
    }
    bitmap.setColorSpace(QColorSpace::SRgb);
    bitmap.setDotsPerMeterX(PngEncoder::boardDotsPerMeter);
    bitmap.setDotsPerMeterY(PngEncoder::boardDotsPerMeter);
    // The rows above each finished grid row are compressed while the next photos decode.
    PngEncoder encoder(bitmap);
    {
        QPainter painter(&bitmap);
        if (!painter.isActive()) {
            throw BoardRenderError(BoardRenderError::Kind::cannotCreateContext);
        }
        draw(painter, photos, normalized, layout, [&encoder](int row) { encoder.writeRowsBefore(row); });
    }
    std::optional<QByteArray> png = encoder.finish();
    if (!png || png->isEmpty()) {
        throw BoardRenderError(BoardRenderError::Kind::cannotEncode);
    }
    return *png;
}

QString BoardRenderer::pdfTitle(const BoardSettings& settings)
{
    const QString title = settings.normalized().title;
    return title.isEmpty() ? untitledPdfTitle() : title;
}

QByteArray BoardRenderer::pdfData(const QList<BoardPhoto>& photos, const BoardSettings& settings)
{
    const BoardSettings normalized = settings.normalized();
    const BoardLayout layout = validatedLayout(photos, normalized);
    const QSizeF pageSize = layout.size() * pdfPointsPerPixel;

    QBuffer buffer;
    if (!buffer.open(QIODevice::WriteOnly)) {
        throw BoardRenderError(BoardRenderError::Kind::cannotCreateContext);
    }
    const PdfTextLayer textLayer;
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(pdfCreator());
        writer.setTitle(pdfTitle(normalized));
        // One device pixel per layout unit.
        writer.setResolution(int(std::lround(72.0 / pdfPointsPerPixel)));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        // Whole points, rounded up so the page is never smaller than the board; the exact box is
        // written afterwards.
        const QSizeF wholePoints(std::ceil(pageSize.width()), std::ceil(pageSize.height()));
        if (!writer.setPageSize(QPageSize(wholePoints, QPageSize::Point, QString(), QPageSize::ExactMatch))) {
            throw BoardRenderError(BoardRenderError::Kind::cannotCreateContext);
        }
        QPainter painter(&writer);
        if (!painter.isActive()) {
            throw BoardRenderError(BoardRenderError::Kind::cannotCreateContext);
        }
        // The whole page gets the background, so that even the whole-point page Qt made shows no
        // other strip; the board sits on the page's bottom edge, where the exact box starts.
        painter.fillRect(QRect(0, 0, writer.width(), writer.height()), canvasColor(normalized.background));
        painter.translate(0, double(writer.height()) - layout.height());
        draw(painter, photos, normalized, layout, {});
    }
    QByteArray pdf = buffer.data();
    if (pdf.isEmpty()) {
        throw BoardRenderError(BoardRenderError::Kind::cannotEncode);
    }
    PdfPageBox::setMediaBox(pdf, pageSize);
    textLayer.complete(pdf);
    return pdf;
}

bool BoardRenderer::printOnPage(
    QPagedPaintDevice& device, const QList<BoardPhoto>& photos, const BoardSettings& settings)
{
    const BoardSettings normalized = settings.normalized();
    const BoardLayout layout = validatedLayout(photos, normalized);
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    // The device's coordinates cover its printable area; the paper around the board stays blank.
    const QSizeF area(device.width(), device.height());
    const double scale = std::min(area.width() / layout.width(), area.height() / layout.height());
    painter.translate(
        (area.width() - layout.width() * scale) / 2, (area.height() - layout.height() * scale) / 2);
    painter.scale(scale, scale);
    draw(painter, photos, normalized, layout, {});
    return painter.end();
}
