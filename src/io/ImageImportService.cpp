#include "io/ImageImportService.h"

#include "io/BoundedFileReader.h"
#include "io/ImageDecoder.h"
#include "io/ImageImportError.h"
#include "model/BoardLimits.h"
#include "model/GraphemeText.h"

#include <new>
#include <QCoreApplication>
#include <QSet>
#include <QUuid>

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
        // Three bytes a pixel instead of four: sixty 1024-pixel thumbnails are the largest
        // memory cost of a full board after the image bytes themselves.
        thumbnail = ImageDecoder::decodeUpright(data, thumbnailMaxPixelSize, QImage::Format_RGB888);
    } catch (const std::bad_alloc&) {
        // Only the cases above leave this function; memory running out mid-decode is one of them.
    }
    if (thumbnail.isNull()) {
        throw ImageImportError(Kind::unreadableImage);
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
    for (qsizetype index = 0; index < urls.size(); ++index) {
        if (result.photos.size() >= BoardLimits::maxPhotos) {
            result.rejected.append(QCoreApplication::translate("ImageImportService",
                "The remaining %1 files were skipped. A board can contain up to %2 images.")
                                       .arg(urls.size() - index)
                                       .arg(BoardLimits::maxPhotos));
            break;
        }
        // Everything read for one file (its bytes, its decoder's state) is released at the end
        // of this iteration unless the photo was accepted.
        const QUrl& url = urls[index];
        try {
            if (!url.isLocalFile()) {
                throw ImageImportError(Kind::notLocalFile);
            }
            // No security-scoped access to start on this platform: a granted path is readable.
            const qint64 budget = BoardLimits::maxTotalSourceBytes - acceptedBytes;
            if (budget <= 0) {
                throw ImageImportError(Kind::boardTooLarge);
            }
            const QByteArray data
                = BoundedFileReader::read(url, std::min(budget, BoardLimits::maxSourceFileBytes));
            BoardPhoto photo = load(data, urlName(url));
            acceptedBytes += data.size();
            result.photos.append(std::move(photo));
        } catch (const BoardFailure& failure) {
            result.rejected.append(refusalLine(url, failure.description()));
        } catch (const std::bad_alloc&) {
            result.rejected.append(refusalLine(url, ImageImportError::description(Kind::unreadableImage)));
        }
        releaseFreedMemory();
    }
    return result;
}
