#pragma once

#include "io/ImageDecoder.h"
#include "model/BoardPhoto.h"
#include "model/ImageImportResult.h"

#include <functional>
#include <optional>
#include <QList>
#include <QSet>
#include <QUrl>

// The single gate through which every image enters a board: checks size, container and pixel
// dimensions, reads the pixel size and orientation, and makes an upright thumbnail (at most 1024
// pixels on its longer side; Format_RGB888 for opaque images, Format_ARGB32_Premultiplied for
// transparent ones). The bytes are kept exactly as given; nothing is re-encoded. Stateless and
// safe on any thread.
class ImageImportService
{
public:
    static constexpr int thumbnailMaxPixelSize = 1024;
    static constexpr qsizetype maximumFileNameCharacters = 512;
    // Files read and decodes running ahead of the oldest unfinished one hold at most this much.
    static constexpr qint64 aheadBudgetBytes = 160LL * 1024 * 1024;

    // How a batch decodes each image, once: the decode that checks it also makes what is kept.
    struct DrawingDecode
    {
        // The longer side to decode the image of input `input` at, from its upright pixel size.
        std::function<int(qsizetype input, QSize upright)> side;
        // Pictures are kept in input order while they hold at most this many bytes in all; the
        // rest are checked the same way and come back null.
        qint64 keptBytes = 0;
        // A photo whose picture is kept comes without its bytes (still counted against the
        // batch's total): nothing will decode it again.
        bool dropBytesOfKept = false;
    };

    // The MIME types of the containers taken: PNG, JPEG, HEIC, HEIF, TIFF, GIF, BMP.
    static const QSet<QString>& supportedTypes();

    // Throws ImageImportError.
    static BoardPhoto load(const QByteArray& data, const QString& fileName);
    // Never throws: each refused input becomes one line of rejected, in input order. The files
    // are read and decoded on several threads, with exactly the outcome of one after another.
    static ImageImportResult load(const QList<QUrl>& urls);
    // As above, but no thumbnails: each image is decoded at the size it will be drawn, and the
    // result's pictures hold those decodes (photos keep a null thumbnail).
    static ImageImportResult load(const QList<QUrl>& urls, const DrawingDecode& decode);

private:
    struct Attempt;
    struct Decode;
    static BoardPhoto load(
        const QByteArray& data, const QString& fileName, const Decode& decode, QImage* picture);
    static ImageImportResult load(const QList<QUrl>& urls, const DrawingDecode* drawing);
    static Attempt attempt(const QUrl& url, const Decode& decode);
    static std::optional<ImageImportResult::Refusal> refusalOf(const Attempt& attempt, qint64 acceptedBytes);
};
