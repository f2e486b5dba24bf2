#include "cli/BoardAssembler.h"

#include "cli/CommandLineError.h"
#include "io/ImageImportService.h"
#include "io/ProjectPackage.h"
#include "model/BoardLimits.h"
#include "render/BoardPainter.h"
#include "render/BoardRenderer.h"
#include "render/BoardRenderError.h"
#include "store/ImageArrival.h"

#include <limits>
#include <QDir>
#include <QHash>
#include <QUrl>

namespace {

QString absolutePath(const QString& path)
{
    // Without a trailing slash a folder is named like the window names it ("Photos", not "").
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

// An input is named as it was given, so that two files of the same name in different folders
// can be told apart.
QString refusedLine(const QString& input, const QString& reason)
{
    return input + QStringLiteral(": ") + reason;
}

// Each image is decoded once, at the size its tile is drawn at (or, for a project, as small as
// its decoder allows, only to check it). A photo that ends up in another cell because an earlier
// input was refused is decoded again by the renderer if its cell differs.
ImageImportService::DrawingDecode drawingDecode(
    const RenderOptions& options, const BoardSettings& settings, qsizetype count)
{
    ImageImportService::DrawingDecode decode;
    if (options.outputFormat == RenderOptions::OutputFormat::project) {
        decode.side = [](qsizetype, QSize) { return BoardPainter::minimumDecodeSize; };
        return decode;
    }
    const BoardSettings normalized = settings.normalized();
    const BoardLayout layout(count, normalized);
    decode.side = [layout, normalized](qsizetype input, QSize upright) {
        const BoardPhoto shape(
            QUuid(), QString(), QString(), QByteArray(), upright.width(), upright.height(), QImage());
        return BoardRenderer::decodeSize(layout, normalized, layout.cells().at(input), shape);
    };
    decode.keptBytes = BoardAssembler::keptPictureBytes;
    // The bytes of a photo drawn from its picture are not needed again.
    decode.dropBytesOfKept = true;
    return decode;
}

// A photo kept without its bytes whose cell asks for another size (the grid's cells are all
// alike, so this is a safeguard) is read and decoded again at that size.
void redecodeMismatched(BoardAssembler::Board& board, const QHash<QUuid, QUrl>& sources)
{
    const BoardSettings normalized = board.settings.normalized();
    const BoardLayout layout(board.photos.size(), normalized);
    for (const BoardCellLayout& cell : layout.cells()) {
        const BoardPhoto& photo = board.photos.at(cell.index);
        ImageImportResult::Picture& picture = board.pictures[cell.index];
        const int side = BoardRenderer::decodeSize(layout, normalized, cell, photo);
        if (!photo.imageData().isEmpty() || picture.side == side) {
            continue;
        }
        ImageImportService::DrawingDecode decode;
        decode.side = [side](qsizetype, QSize) { return side; };
        decode.keptBytes = std::numeric_limits<qint64>::max();
        const ImageImportResult again = ImageImportService::load({ sources.value(photo.id()) }, decode);
        if (again.pictures.isEmpty() || again.pictures.first().image.isNull()) {
            throw BoardRenderError::invalidImage(photo.fileName());
        }
        picture = again.pictures.first();
    }
}

} // namespace

BoardAssembler::Board BoardAssembler::assemble(const RenderOptions& options)
{
    return options.readsProject() ? fromProject(options) : fromImages(options);
}

BoardAssembler::Board BoardAssembler::fromImages(const RenderOptions& options)
{
    Board board;
    board.settings = options.overrides.appliedTo(BoardSettings());
    // As Add Images on an empty board: the service reads as many as there are places; the rest
    // are refused one by one; then the board's own limits apply to what arrived.
    const qsizetype freePlaces = BoardLimits::maxPhotos;
    const QStringList batch = options.inputs.mid(0, freePlaces);
    QList<QUrl> urls;
    for (const QString& input : batch) {
        urls << QUrl::fromLocalFile(absolutePath(input));
    }
    ImageImportResult result
        = ImageImportService::load(urls, drawingDecode(options, board.settings, batch.size()));
    QHash<QUuid, qsizetype> photoIndex;
    QHash<QUuid, QUrl> sources;
    for (qsizetype index = 0; index < result.photos.size(); ++index) {
        const qsizetype input = result.photoInputs.at(index);
        photoIndex.insert(result.photos.at(index).id(), index);
        sources.insert(result.photos.at(index).id(), urls.at(input));
        if (input < options.captions.size()) {
            result.photos[index].setCaption(options.captions.at(input));
        }
    }
    QStringList lines;
    for (const ImageImportResult::Refusal& refusal : std::as_const(result.refusals)) {
        if (refusal.input < 0) {
            lines << refusal.reason;
        } else if (refusal.overTotalBytes) {
            lines << BoardLimits::boardBytesLine(batch.at(refusal.input));
        } else {
            lines << refusedLine(batch.at(refusal.input), refusal.reason);
        }
    }
    for (const QString& input : options.inputs.mid(freePlaces)) {
        lines << BoardLimits::beyondCountLine(input);
    }
    // On an empty board the batch's own limits are the board's, so nothing more is refused here;
    // the pictures follow the photos that stay.
    result.rejected = lines;
    const ImageImportResult admitted = ImageArrival::admit({}, result);
    board.photos = admitted.photos;
    board.refused = admitted.rejected;
    for (const BoardPhoto& photo : std::as_const(board.photos)) {
        board.pictures << result.pictures.value(photoIndex.value(photo.id()));
    }
    if (!result.pictures.isEmpty()) {
        redecodeMismatched(board, sources);
    }
    return board;
}

BoardAssembler::Board BoardAssembler::fromProject(const RenderOptions& options)
{
    const LoadedBoard loaded
        = ProjectPackage::load(QUrl::fromLocalFile(absolutePath(options.inputs.first())));
    if (options.captions.size() > loaded.photos.size()) {
        throw CommandLineError(QStringLiteral("%1 captions given for %2 images in the project")
                                   .arg(options.captions.size())
                                   .arg(loaded.photos.size()));
    }
    Board board;
    board.photos = loaded.photos;
    for (qsizetype index = 0; index < options.captions.size(); ++index) {
        board.photos[index].setCaption(options.captions.at(index));
    }
    board.settings = options.overrides.appliedTo(loaded.settings);
    return board;
}
