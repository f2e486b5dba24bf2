#pragma once

#include "model/BoardPhoto.h"
#include "model/BoardSettings.h"
#include "model/ImageImportResult.h"
#include "render/BoardLayout.h"

#include <functional>
#include <QByteArray>
#include <QList>
#include <QString>

class QPagedPaintDevice;
class QPainter;

// Turns a board into the finished PNG or PDF. Holds no state: every call works on its own copies,
// bitmap and buffer, so it may run on any thread, several at once. Every failure throws a
// BoardRenderError (or passes a lower component's error through) and abandons the whole output;
// no partial file is ever returned. Photos are decoded from their stored bytes at the size their
// tile needs, never at full size when that is larger.
class BoardRenderer
{
public:
    // One PDF point per two layout units.
    static constexpr double pdfPointsPerPixel = 0.5;
    static constexpr int pngDotsPerInch = 144;

    // The layout both outputs draw, or emptyBoard, tooManyImages or oversizedBoard.
    static BoardLayout validatedLayout(const QList<BoardPhoto>& photos, const BoardSettings& settings);

    // Pictures already decoded, per photo (or none): one made at the size its cell needs is drawn
    // as it is instead of decoding the photo again; any other is ignored.
    using Pictures = QList<ImageImportResult::Picture>;

    // 8-bit RGBA, sRGB, 144 DPI; one pixel per layout unit.
    static QByteArray pngData(const QList<BoardPhoto>& photos, const BoardSettings& settings);
    static QByteArray pngData(
        const QList<BoardPhoto>& photos, const BoardSettings& settings, const Pictures& pictures);

    // One page of the layout's size × pdfPointsPerPixel; text stays text.
    static QByteArray pdfData(const QList<BoardPhoto>& photos, const BoardSettings& settings);
    static QByteArray pdfData(
        const QList<BoardPhoto>& photos, const BoardSettings& settings, const Pictures& pictures);

    // The longer side each photo is decoded at when drawn in `cell` of a board of `settings`.
    static int decodeSize(const BoardLayout& layout, const BoardSettings& settings,
        const BoardCellLayout& cell, const BoardPhoto& photo);

    // Draws the board on the one page of a printer (or any paged device), scaled to fit its
    // printable area with the proportions kept and centred, text as text. False when the device
    // refuses the drawing or fails to finish the page; layout and photo failures throw.
    static bool printOnPage(
        QPagedPaintDevice& device, const QList<BoardPhoto>& photos, const BoardSettings& settings);

    // The PDF's title entry: the normalized title as stored (not trimmed) or the fallback below.
    static QString pdfTitle(const BoardSettings& settings);
    static QString pdfCreator() { return QStringLiteral("Tesserly"); }
    static QString untitledPdfTitle() { return QStringLiteral("Tesserly Contact Sheet"); }

private:
    // Draws a validated layout; throws invalidImage for a photo whose bytes do not decode.
    // rowsFinishedBefore, when set, hears of each device row above which the drawing is final.
    static void draw(QPainter& painter, const QList<BoardPhoto>& photos, const BoardSettings& settings,
        const BoardLayout& layout, const Pictures& pictures,
        const std::function<void(int)>& rowsFinishedBefore);
};
