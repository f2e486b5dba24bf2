#include "cli/BoardAssembler.h"

#include "cli/CommandLineError.h"
#include "io/BoardProjectStore.h"
#include "io/ImageImportService.h"
#include "model/BoardLimits.h"
#include "model/GraphemeText.h"
#include "store/ImageArrival.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

QString absolutePath(const QString& path)
{
    // Without a trailing slash a folder is named like the window names it ("Photos", not "").
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

// The name the import service gives the photo made from `path`.
QString photoName(const QString& path)
{
    const QString name
        = GraphemeText::prefix(QFileInfo(path).fileName(), ImageImportService::maximumFileNameCharacters);
    return name.isEmpty() ? QStringLiteral("Pasted image") : name;
}

bool madeFrom(const QString& path, const BoardPhoto& photo)
{
    const QFileInfo file(path);
    return photoName(path) == photo.fileName() && file.isFile() && file.size() == photo.imageData().size();
}

// The position among `inputs` of each photo. The service keeps input order and drops refused
// inputs, so each photo belongs to the next input with its name and byte count; only a refused
// input of the same name and size just before the accepted one could be taken for it.
QList<qsizetype> inputPositions(const QStringList& inputs, const QList<BoardPhoto>& photos)
{
    QList<qsizetype> positions;
    qsizetype next = 0;
    for (const BoardPhoto& photo : photos) {
        qsizetype found = -1;
        for (; next < inputs.size() && found < 0; ++next) {
            if (madeFrom(inputs.at(next), photo)) {
                found = next;
            }
        }
        positions << found;
    }
    return positions;
}

} // namespace

BoardAssembler::Board BoardAssembler::assemble(const RenderOptions& options)
{
    return options.readsProject() ? fromProject(options) : fromImages(options);
}

BoardAssembler::Board BoardAssembler::fromImages(const RenderOptions& options)
{
    QStringList paths;
    for (const QString& input : options.inputs) {
        paths << absolutePath(input);
    }
    // As Add Images on an empty board: the service reads as many as there are places; the
    // rest are counted in one line; then the board's own limits apply to what arrived.
    const qsizetype freePlaces = BoardLimits::maxPhotos;
    const QStringList batch = paths.mid(0, freePlaces);
    QList<QUrl> urls;
    for (const QString& path : batch) {
        urls << QUrl::fromLocalFile(path);
    }
    ImageImportResult result = ImageImportService::load(urls);
    if (paths.size() > freePlaces) {
        result.rejected << BoardLimits::excessInputsLine(paths.size() - freePlaces);
    }
    const QList<qsizetype> positions = inputPositions(batch, result.photos);
    for (qsizetype index = 0; index < result.photos.size(); ++index) {
        const qsizetype position = positions.at(index);
        if (position >= 0 && position < options.captions.size()) {
            result.photos[index].setCaption(options.captions.at(position));
        }
    }
    const ImageImportResult admitted = ImageArrival::admit({}, result);

    Board board;
    board.photos = admitted.photos;
    board.refused = admitted.rejected;
    board.settings = options.overrides.appliedTo(BoardSettings());
    return board;
}

BoardAssembler::Board BoardAssembler::fromProject(const RenderOptions& options)
{
    const LoadedBoard loaded
        = BoardProjectStore::load(QUrl::fromLocalFile(absolutePath(options.inputs.first())));
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
