#include "io/ImageImportService.h"

#include "io/BoundedFileReader.h"
#include "io/ImageDecoder.h"
#include "io/ImageImportError.h"
#include "model/BoardLimits.h"
#include "model/GraphemeText.h"

#include <algorithm>
#include <deque>
#include <future>
#include <new>
#include <QSet>
#include <QThread>
#include <QUuid>
#include <shared_mutex>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

using Kind = ImageImportError::Kind;

// The end of one file's memory scope: the decoder's temporaries are freed by then, and handing
// their pages back keeps the holes they leave between the kept photos from adding up over a batch.
void releaseFreedMemory()
{
#if defined(__GLIBC__)
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

// One input on its way in: read on the calling thread, then checked and decoded on a worker.
struct Attempt
{
    qsizetype index = 0;
    qint64 bytes = 0;
    // Valid once the file was read; empty when reading already refused it (see refusal).
    std::future<BoardPhoto> photo;
    QString refusal;
};

// Decodes run side by side on every core, up to a few: each streaming decode holds only a few
// rows beside its thumbnail.
qsizetype concurrentDecodes()
{
    return std::clamp(QThread::idealThreadCount(), 1, 4);
}

// libheif and Qt's GIF reader hold the whole picture while decoding, so they run alone.
bool decodesWholePicture(const QByteArray& data)
{
    using Container = ImageDecoder::Container;
    const std::optional<Container> container = ImageDecoder::detect(data);
    return container == Container::heic || container == Container::heif || container == Container::gif;
}

qsizetype hopefulCount(const std::deque<Attempt>& attempts)
{
    return std::count_if(
        attempts.begin(), attempts.end(), [](const Attempt& attempt) { return attempt.photo.valid(); });
}

qint64 hopefulBytes(const std::deque<Attempt>& attempts)
{
    qint64 bytes = 0;
    for (const Attempt& attempt : attempts) {
        bytes += attempt.bytes;
    }
    return bytes;
}

BoardPhoto loadOnWorker(const QByteArray& data, const QString& name, std::shared_mutex& memoryGate)
{
    if (decodesWholePicture(data)) {
        const std::unique_lock alone(memoryGate);
        return ImageImportService::load(data, name);
    }
    const std::shared_lock together(memoryGate);
    return ImageImportService::load(data, name);
}

Attempt start(const QUrl& url, qsizetype index, qint64 budget, std::shared_mutex& memoryGate)
{
    Attempt attempt;
    attempt.index = index;
    try {
        if (!url.isLocalFile()) {
            throw ImageImportError(Kind::notLocalFile);
        }
        // No security-scoped access to start on this platform: a granted path is readable.
        if (budget <= 0) {
            throw ImageImportError(Kind::boardTooLarge);
        }
        const QByteArray data
            = BoundedFileReader::read(url, std::min(budget, BoardLimits::maxSourceFileBytes));
        attempt.bytes = data.size();
        // Runs on this thread instead when no thread can be started.
        attempt.photo = std::async(std::launch::async | std::launch::deferred,
            [data, name = urlName(url), &memoryGate] { return loadOnWorker(data, name, memoryGate); });
    } catch (const BoardFailure& failure) {
        attempt.refusal = refusalLine(url, failure.description());
    } catch (const std::bad_alloc&) {
        attempt.refusal = refusalLine(url, ImageImportError::description(Kind::unreadableImage));
    }
    return attempt;
}

// The photo, or nothing after adding the attempt's refusal line.
std::optional<BoardPhoto> finish(Attempt& attempt, const QUrl& url, QStringList& rejected)
{
    if (attempt.photo.valid()) {
        try {
            return attempt.photo.get();
        } catch (const BoardFailure& failure) {
            attempt.refusal = refusalLine(url, failure.description());
        } catch (const std::bad_alloc&) {
            attempt.refusal = refusalLine(url, ImageImportError::description(Kind::unreadableImage));
        }
    }
    rejected.append(attempt.refusal);
    return std::nullopt;
}

} // namespace

const QSet<QString>& ImageImportService::supportedTypes()
{
    static const QSet<QString> types {
        QStringLiteral("public.png"),
        QStringLiteral("public.jpeg"),
        QStringLiteral("public.heic"),
        QStringLiteral("public.heif"),
        QStringLiteral("public.tiff"),
        QStringLiteral("com.compuserve.gif"),
        QStringLiteral("com.microsoft.bmp"),
    };
    return types;
}

BoardPhoto ImageImportService::load(const QByteArray& data, const QString& fileName)
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
    if (!supportedTypes().contains(ImageDecoder::typeIdentifier(*container))) {
        throw ImageImportError(Kind::unsupportedFormat);
    }
    const std::optional<ImageDecoder::Probe> probe = ImageDecoder::probe(data);
    if (!probe || probe->storedSize.width() <= 0 || probe->storedSize.height() <= 0) {
        throw ImageImportError(Kind::unreadableImage);
    }
    if (!ImageDecoder::withinPixelLimits(probe->storedSize)) {
        throw ImageImportError(Kind::dimensionsTooLarge);
    }
    QImage thumbnail;
    try {
        thumbnail = ImageDecoder::decodeUpright(data, thumbnailMaxPixelSize);
    } catch (const std::bad_alloc&) {
        // Only the cases above leave this function; memory running out mid-decode is one of them.
    }
    if (thumbnail.isNull()) {
        throw ImageImportError(Kind::unreadableImage);
    }
    if (thumbnail.format() == QImage::Format_RGB32) {
        // Three bytes a pixel instead of four: sixty 1024-pixel thumbnails are the largest
        // memory cost of a full board after the image bytes themselves.
        thumbnail = thumbnail.convertToFormat(QImage::Format_RGB888);
    }
    thumbnail.setDevicePixelRatio(1.0);

    QString name = GraphemeText::prefix(lastPathComponent(fileName), maximumFileNameCharacters);
    if (name.isEmpty()) {
        name = QStringLiteral("Pasted image");
    }
    const QSize upright = probe->uprightSize();
    return BoardPhoto(QUuid::createUuid(), name, withoutExtension(name), data, upright.width(),
        upright.height(), std::move(thumbnail));
}

ImageImportResult ImageImportService::load(const QList<QUrl>& urls)
{
    ImageImportResult result;
    qint64 acceptedBytes = 0;
    // Declared before the attempts: their decodes hold it until they are joined.
    std::shared_mutex memoryGate;
    std::deque<Attempt> attempts;
    const qsizetype depth = concurrentDecodes();
    qsizetype next = 0;
    for (;;) {
        // Later files are read as if every earlier one still decoding will be taken, so their
        // budget is never larger than the one they finally get.
        while (next < urls.size() && qsizetype(attempts.size()) < depth
            && result.photos.size() + hopefulCount(attempts) < BoardLimits::maxPhotos) {
            const qint64 budget = BoardLimits::maxTotalSourceBytes - acceptedBytes - hopefulBytes(attempts);
            attempts.push_back(start(urls[next], next, budget, memoryGate));
            ++next;
        }
        if (attempts.empty()) {
            break;
        }
        Attempt attempt = std::move(attempts.front());
        attempts.pop_front();
        const bool wasHopeful = attempt.photo.valid();
        std::optional<BoardPhoto> photo = finish(attempt, urls[attempt.index], result.rejected);
        if (photo) {
            acceptedBytes += attempt.bytes;
            result.photos.append(std::move(*photo));
        } else if (wasHopeful && !attempts.empty()) {
            // The files after it were read against a budget that counted it: read them again.
            next = attempts.front().index;
            attempts.clear();
        }
        releaseFreedMemory();
    }
    if (next < urls.size()) {
        result.rejected.append(
            QStringLiteral("The remaining %1 files were skipped. A board can contain up to %2 images.")
                .arg(urls.size() - next)
                .arg(BoardLimits::maxPhotos));
    }
    return result;
}
