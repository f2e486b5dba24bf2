#include "store/BoardStore.h"

#include "io/ImageImportService.h"
#include "io/OrderedWorkPool.h"
#include "model/BoardLimits.h"
#include "store/BoardPlatform.h"
#include "store/BoardStoreJob.h"
#include "store/ImageArrival.h"

#include <QCoreApplication>

namespace {
QString emptyClipboardText()
{
    return QCoreApplication::translate(
        "BoardStore", "Copy an image or an image file first, then choose Paste Images.");
}
QString addingText()
{
    return QCoreApplication::translate("BoardStore", "Adding images\u2026");
}
QString readingDropText()
{
    return QCoreApplication::translate("BoardStore", "Reading dropped images\u2026");
}
QString pastingText()
{
    return QCoreApplication::translate("BoardStore", "Pasting image\u2026");
}
QString unreadableDropFileText()
{
    return QCoreApplication::translate(
        "BoardStore", "A dropped file could not be read. Try Add Images instead.");
}
QString unavailableDropDataText()
{
    return QCoreApplication::translate(
        "BoardStore", "A dropped image was not available in a supported format.");
}
QString noImagesAddedText()
{
    return QCoreApplication::translate("BoardStore", "No images added");
}

QString addedText(qsizetype count)
{
    return count == 1 ? QCoreApplication::translate("BoardStore", "Added 1 image")
                      : QCoreApplication::translate("BoardStore", "Added %1 images").arg(count);
}

// At most five lines, a blank line between them, then a count of the rest.
QString rejectionMessage(const QStringList& lines)
{
    const qsizetype shown = std::min(lines.size(), BoardStore::shownRejectionLines);
    QString message = lines.first(shown).join(QStringLiteral("\n\n"));
    if (lines.size() > shown) {
        const qsizetype rest = lines.size() - shown;
        message += QStringLiteral("\n\n")
            + (rest == 1 ? QCoreApplication::translate("BoardStore",
                   "\u2026"
                   "and 1 more file could not be added.")
                         : QCoreApplication::translate("BoardStore",
                             "\u2026"
                             "and %1 more files could not be added.")
                               .arg(rest));
    }
    return message;
}

ImageImportResult failedImport(const QString& line)
{
    ImageImportResult result;
    result.rejected.append(line);
    return result;
}

// What one dropped item gives, on its own.
ImageImportResult importDropItem(const DropItem& item)
{
    if (item.isFile()) {
        if (!item.url().isValid() || item.url().isEmpty()) {
            return failedImport(unreadableDropFileText());
        }
        return ImageImportService::load(QList<QUrl> { item.url() });
    }
    if (item.data().isEmpty()) {
        return failedImport(unavailableDropDataText());
    }
    const QString fileName = item.suggestedFileName();
    ImageImportResult result;
    try {
        result.photos.append(ImageImportService::load(item.data(), fileName));
    } catch (const BoardFailure& failure) {
        result.rejected.append(fileName + QStringLiteral(": ") + failure.description());
    }
    return result;
}

// Runs on the worker. Each item is judged on its own, so they are decoded side by side and
// gathered in drop order: the outcome of taking them one after another.
ImageImportResult importDropItems(const QList<DropItem>& items, qsizetype freePlaces)
{
    ImageImportResult result;
    const qsizetype processed = std::min(items.size(), freePlaces);
    std::vector<ImageImportResult> outcomes(static_cast<std::size_t>(processed));
    OrderedWorkPool pool(ImageImportService::aheadBudgetBytes);
    pool.run(
        processed, [&](qsizetype index) { outcomes[std::size_t(index)] = importDropItem(items.at(index)); },
        [&](qsizetype index) {
            ImageImportResult& one = outcomes[std::size_t(index)];
            result.photos.append(std::move(one.photos));
            result.rejected.append(std::move(one.rejected));
            one = {};
            return true;
        });
    if (items.size() > freePlaces) {
        result.rejected.append(BoardLimits::excessDropItemsLine(items.size() - freePlaces));
    }
    return result;
}
} // namespace

void BoardStore::addImages()
{
    if (m_isBusy) {
        return;
    }
    PanelRequest request;
    request.title = QCoreApplication::translate("BoardStore", "Add Images to Tesserly");
    request.message = QCoreApplication::translate(
        "BoardStore", "Choose photos, screenshots, or reference images. Your originals stay unchanged.");
    request.confirmButton = QCoreApplication::translate("BoardStore", "Add Images");
    request.mimeTypes
        = { QStringLiteral("image/png"), QStringLiteral("image/jpeg"), QStringLiteral("image/heic"),
              QStringLiteral("image/tiff"), QStringLiteral("image/gif"), QStringLiteral("image/bmp") };
    request.suffixes
        = { QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("heic"),
              QStringLiteral("tif"), QStringLiteral("tiff"), QStringLiteral("gif"), QStringLiteral("bmp") };
    const QList<QUrl> urls = m_platform.chooseImageFiles(request);
    if (!urls.isEmpty()) {
        importURLs(urls);
    }
}

void BoardStore::importURLs(const QList<QUrl>& urls)
{
    if (m_isBusy || urls.isEmpty()) {
        return;
    }
    if (m_photos.size() >= BoardLimits::maxPhotos) {
        setErrorMessage(BoardLimits::addingToFullBoardText());
        return;
    }
    const qsizetype freePlaces = BoardLimits::maxPhotos - m_photos.size();
    const QList<QUrl> batch = urls.first(std::min(urls.size(), freePlaces));
    const qsizetype exceeded = urls.size() - batch.size();
    runInBackground<ImageImportResult>(
        addingText(),
        [batch, exceeded] {
            ImageImportResult result = ImageImportService::load(batch);
            if (exceeded > 0) {
                result.rejected.append(BoardLimits::excessInputsLine(exceeded));
            }
            return result;
        },
        [this](std::optional<ImageImportResult> result, const QString& error) {
            finishImport(result ? *result : failedImport(error));
        });
}

bool BoardStore::handleDrop(const QList<DropItem>& items)
{
    if (m_isBusy) {
        return false;
    }
    QList<DropItem> kept;
    std::copy_if(items.cbegin(), items.cend(), std::back_inserter(kept),
        [](const DropItem& item) { return item.isUsable(); });
    if (kept.isEmpty()) {
        return false;
    }
    if (m_photos.size() >= BoardLimits::maxPhotos) {
        setErrorMessage(BoardLimits::fullBoardText());
        return false;
    }
    const qsizetype freePlaces = BoardLimits::maxPhotos - m_photos.size();
    runInBackground<ImageImportResult>(
        readingDropText(), [kept, freePlaces] { return importDropItems(kept, freePlaces); },
        [this](std::optional<ImageImportResult> result, const QString& error) {
            finishImport(result ? *result : failedImport(error));
        });
    return true;
}

void BoardStore::pasteImages()
{
    if (m_isBusy) {
        return;
    }
    const QList<QUrl> urls = m_platform.clipboardFileURLs();
    if (!urls.isEmpty()) {
        importURLs(urls);
        return;
    }
    // An offered type with no bytes is no image at all.
    const auto nonEmpty
        = [](std::optional<QByteArray> data) { return data && !data->isEmpty() ? data : std::nullopt; };
    bool isPNG = true;
    std::optional<QByteArray> data = nonEmpty(m_platform.clipboardData(QStringLiteral("image/png")));
    if (!data) {
        isPNG = false;
        data = nonEmpty(m_platform.clipboardData(QStringLiteral("image/tiff")));
    }
    if (!data) {
        setErrorMessage(emptyClipboardText());
        return;
    }
    if (m_photos.size() >= BoardLimits::maxPhotos) {
        setErrorMessage(BoardLimits::fullBoardText());
        return;
    }
    const QString fileName = QStringLiteral("Pasted Image ") + QString::number(m_photos.size() + 1)
        + (isPNG ? QStringLiteral(".png") : QStringLiteral(".tiff"));
    runInBackground<ImageImportResult>(
        pastingText(),
        [bytes = *data, fileName] {
            try {
                ImageImportResult result;
                result.photos.append(ImageImportService::load(bytes, fileName));
                return result;
            } catch (const BoardFailure& failure) {
                return failedImport(failure.description());
            }
        },
        [this](std::optional<ImageImportResult> result, const QString& error) {
            finishImport(result ? *result : failedImport(error));
        });
}

void BoardStore::finishImport(const ImageImportResult& result)
{
    const ImageImportResult admitted = ImageArrival::admit(m_photos, result);
    const QList<BoardPhoto>& accepted = admitted.photos;
    const QStringList& lines = admitted.rejected;
    if (!accepted.isEmpty()) {
        remember();
        setPhotos(m_photos + accepted);
        if (!m_selectedPhotoID) {
            setSelectedPhotoID(accepted.first().id());
        }
        setHasUnsavedChanges(true);
    }
    setBusy(false);
    setStatusMessage(accepted.isEmpty() ? noImagesAddedText() : addedText(accepted.size()));
    if (!lines.isEmpty()) {
        setErrorMessage(rejectionMessage(lines));
    }
}
