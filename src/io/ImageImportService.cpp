#include "io/ImageImportService.h"

#include "io/BoundedFileError.h"
#include "io/BoundedFileReader.h"
#include "io/DecodeCost.h"
#include "io/ImageDecoder.h"
#include "io/ImageImportError.h"
#include "io/OrderedWorkPool.h"
#include "model/BoardLimits.h"
#include "model/GraphemeText.h"

#include <new>
#include <optional>
#include <QFileInfo>
#include <QSet>
#include <QUuid>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

using Kind = ImageImportError::Kind;

// The end of one file's memory scope: the decoder's temporaries are freed by then, and handing
// their pages back keeps the holes they leave between the kept photos from adding up over a batch.
// Under AddressSanitizer the heap is the sanitizer's, and glibc's trim walks arenas it never set up.
void releaseFreedMemory()
{
#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
    malloc_trim(0);
#endif
}

// Text after the last "/"; empty when the path ends in "/" or is empty.
QString lastPathComponent(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

// The name without its extension. A name whose only dot is its first character (".png") has no
// extension, as on the desktop, so it is kept rather than becoming an empty caption.
QString withoutExtension(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.left(dot) : name;
}

QString urlName(const QUrl& url)
{
    QString path = url.path();
    while (path.size() > 1 && path.endsWith(QLatin1Char('/'))) {
        path.chop(1);
    }
    return lastPathComponent(path);
}

QString refusalLine(const QUrl& url, const QString& reason)
{
    const QString name = urlName(url);
    return (name.isEmpty() ? QStringLiteral("Image") : name) + QStringLiteral(": ") + reason;
}

} // namespace

// How the one decode of an image is made and where it goes.
struct ImageImportService::Decode
{
    std::function<int(QSize upright)> side;
    QImage::Format opaqueFormat = QImage::Format_RGB32;
    // The decode is kept for drawing and the photo gets no thumbnail.
    bool forDrawing = false;
};

// One file read and decoded ahead of its turn, with everything its turn needs to end exactly as
// it would have one file after another.
struct ImageImportService::Attempt
{
    // A failure that comes before the board's byte budget is looked at.
    std::optional<QString> earlyFailure;
    // A failure of reading, or the read's byte count.
    std::optional<QString> readFailure;
    bool overFileLimit = false;
    qint64 bytes = 0;
    // The decoded photo, or why it was refused.
    std::optional<BoardPhoto> photo;
    QString decodeFailure;
    QImage picture;
};

const QSet<QString>& ImageImportService::supportedTypes()
{
    static const QSet<QString> types {
        QStringLiteral("image/png"),
        QStringLiteral("image/jpeg"),
        QStringLiteral("image/heic"),
        QStringLiteral("image/heif"),
        QStringLiteral("image/tiff"),
        QStringLiteral("image/gif"),
        QStringLiteral("image/bmp"),
    };
    return types;
}

BoardPhoto ImageImportService::load(const QByteArray& data, const QString& fileName)
{
    Decode thumbnail;
    // Three bytes a pixel instead of four: sixty 1024-pixel thumbnails are the largest memory cost
    // of a full board after the image bytes themselves.
    thumbnail.side = [](QSize) { return thumbnailMaxPixelSize; };
    thumbnail.opaqueFormat = QImage::Format_RGB888;
    return load(data, fileName, thumbnail, nullptr);
}

BoardPhoto ImageImportService::load(
    const QByteArray& data, const QString& fileName, const Decode& decode, QImage* picture)
{
    if (data.isEmpty()) {
        throw ImageImportError(Kind::emptyFile);
    }
    if (data.size() > BoardLimits::maxSourceFileBytes) {
        throw ImageImportError(Kind::fileTooLarge);
    }
    const std::optional<ImageDecoder::Container> container = ImageDecoder::detect(data);
    if (!container) {
        throw ImageImportError(Kind::unreadableImage);
    }
    if (!supportedTypes().contains(ImageDecoder::mimeType(*container))) {
        throw ImageImportError(Kind::unsupportedFormat);
    }
    const std::optional<ImageDecoder::Probe> probe = ImageDecoder::probe(data);
    if (!probe || probe->storedSize.width() <= 0 || probe->storedSize.height() <= 0) {
        throw ImageImportError(Kind::unreadableImage);
    }
    if (!ImageDecoder::withinPixelLimits(probe->storedSize)) {
        throw ImageImportError::dimensionsTooLarge(probe->storedSize);
    }
    const QSize upright = probe->uprightSize();
    const int side = decode.side(upright);
    // Decodes running side by side in a batch stay within its budget.
    const OrderedWorkPool::Reservation working(DecodeCost::workingBytes(*container, probe->storedSize, side));
    QImage decoded;
    try {
        decoded = ImageDecoder::decodeUpright(data, side, decode.opaqueFormat);
    } catch (const std::bad_alloc&) {
        // Only the cases above leave this function; memory running out mid-decode is one of them.
    }
    if (decoded.isNull()) {
        throw ImageImportError(Kind::unreadableImage);
    }
    decoded.setDevicePixelRatio(1.0);
    if (decode.forDrawing) {
        *picture = std::move(decoded);
        decoded = QImage();
    }

    QString name = GraphemeText::prefix(lastPathComponent(fileName), maximumFileNameCharacters);
    if (name.isEmpty()) {
        name = QStringLiteral("Pasted image");
    }
    return BoardPhoto(QUuid::createUuid(), name, withoutExtension(name), data, upright.width(),
        upright.height(), std::move(decoded));
}

ImageImportResult ImageImportService::load(const QList<QUrl>& urls)
{
    return load(urls, nullptr);
}

ImageImportResult ImageImportService::load(const QList<QUrl>& urls, const DrawingDecode& decode)
{
    return load(urls, &decode);
}

// Reads with the largest per-file limit; the limit that applies on the file's turn is never
// larger, so the turn can tell from the byte count what reading with it would have given.
ImageImportService::Attempt ImageImportService::attempt(const QUrl& url, const Decode& decode)
{
    Attempt attempt;
    if (!url.isLocalFile()) {
        attempt.earlyFailure = ImageImportError::description(Kind::notLocalFile);
        return attempt;
    }
    QByteArray data;
    try {
        data = BoundedFileReader::read(url.toLocalFile(), BoardLimits::maxSourceFileBytes);
    } catch (const BoundedFileError& failure) {
        attempt.overFileLimit = failure.kind() == BoundedFileError::Kind::tooLarge;
        attempt.readFailure = failure.description();
        return attempt;
    } catch (const BoardFailure& failure) {
        attempt.readFailure = failure.description();
        return attempt;
    } catch (const std::bad_alloc&) {
        attempt.readFailure = ImageImportError::description(Kind::unreadableImage);
        return attempt;
    }
    attempt.bytes = data.size();
    try {
        attempt.photo = load(data, urlName(url), decode, &attempt.picture);
    } catch (const BoardFailure& failure) {
        attempt.decodeFailure = failure.description();
    } catch (const std::bad_alloc&) {
        attempt.decodeFailure = ImageImportError::description(Kind::unreadableImage);
    }
    return attempt;
}

// What one file after another would have said about this file on its turn, after
// `acceptedBytes` of the batch were taken; nothing when it is accepted.
std::optional<ImageImportResult::Refusal> ImageImportService::refusalOf(
    const Attempt& attempt, qint64 acceptedBytes)
{
    if (attempt.earlyFailure) {
        return ImageImportResult::Refusal { -1, *attempt.earlyFailure, false };
    }
    const qint64 budget = BoardLimits::maxTotalSourceBytes - acceptedBytes;
    if (budget <= 0) {
        return ImageImportResult::Refusal { -1, ImageImportError::description(Kind::boardTooLarge), true };
    }
    const qint64 limit = std::min(budget, BoardLimits::maxSourceFileBytes);
    if (attempt.overFileLimit || (!attempt.readFailure && attempt.bytes > limit)) {
        const bool overTotal = !attempt.overFileLimit && limit < BoardLimits::maxSourceFileBytes;
        return ImageImportResult::Refusal { -1, BoundedFileError::tooLarge(limit).description(), overTotal };
    }
    if (attempt.readFailure) {
        return ImageImportResult::Refusal { -1, *attempt.readFailure, false };
    }
    if (!attempt.photo) {
        return ImageImportResult::Refusal { -1, attempt.decodeFailure, false };
    }
    return std::nullopt;
}

ImageImportResult ImageImportService::load(const QList<QUrl>& urls, const DrawingDecode* drawing)
{
    ImageImportResult result;
    qint64 acceptedBytes = 0;
    qint64 keptPictureBytes = 0;
    const auto refuse = [&](qsizetype index, const QString& reason, bool overTotalBytes) {
        result.rejected.append(refusalLine(urls[index], reason));
        result.refusals.append({ index, reason, overTotalBytes });
    };
    OrderedWorkPool pool(aheadBudgetBytes);
    std::vector<std::optional<Attempt>> attempts(static_cast<std::size_t>(urls.size()));
    const auto work = [&](qsizetype index) {
        const QUrl& url = urls[index];
        pool.reserve(index, std::min(QFileInfo(url.toLocalFile()).size(), BoardLimits::maxSourceFileBytes));
        Decode decode;
        decode.side = [&](QSize upright) {
            return drawing ? drawing->side(index, upright) : int(thumbnailMaxPixelSize);
        };
        decode.opaqueFormat = drawing ? QImage::Format_RGB32 : QImage::Format_RGB888;
        decode.forDrawing = drawing != nullptr;
        attempts[std::size_t(index)] = attempt(url, decode);
        // Everything read for one file (its bytes, its decoder's state) is released by now unless
        // the photo was kept.
        releaseFreedMemory();
    };
    const auto commit = [&](qsizetype index) {
        if (result.photos.size() >= BoardLimits::maxPhotos) {
            result.rejected.append(BoardLimits::skippedInputsLine(urls.size() - index));
            result.refusals.append({ -1, result.rejected.last(), false });
            return false;
        }
        Attempt done = std::move(*attempts[std::size_t(index)]);
        attempts[std::size_t(index)].reset();
        if (const std::optional<ImageImportResult::Refusal> refusal = refusalOf(done, acceptedBytes)) {
            refuse(index, refusal->reason, refusal->overTotalBytes);
            return true;
        }
        acceptedBytes += done.bytes;
        result.photos.append(std::move(*done.photo));
        result.photoInputs.append(index);
        if (drawing) {
            const int side = drawing->side(index,
                QSize(int(result.photos.last().pixelWidth()), int(result.photos.last().pixelHeight())));
            const bool keep = keptPictureBytes + done.picture.sizeInBytes() <= drawing->keptBytes;
            keptPictureBytes += keep ? done.picture.sizeInBytes() : 0;
            result.pictures.append({ side, keep ? std::move(done.picture) : QImage() });
            if (keep && drawing->dropBytesOfKept) {
                const BoardPhoto& kept = result.photos.last();
                result.photos.last() = BoardPhoto(kept.id(), kept.fileName(), kept.caption(), QByteArray(),
                    kept.pixelWidth(), kept.pixelHeight(), QImage());
            }
        }
        return true;
    };
    pool.run(urls.size(), work, commit);
    return result;
}
