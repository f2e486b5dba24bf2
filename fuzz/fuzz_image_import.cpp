// Image bytes from anywhere: the import gate (every decoder, libheif included) and the bounded
// decode the renderer does for each tile.
#include "io/ImageDecoder.h"
#include "io/ImageImportService.h"
#include "model/BoardFailure.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const BoardPhoto photo = ImageImportService::load(bytes, QStringLiteral("fuzz.image"));
        // A photo that passed the gate must describe what it holds.
        if (photo.pixelWidth() <= 0 || photo.pixelHeight() <= 0 || photo.thumbnail().isNull()
            || photo.imageData() != bytes) {
            std::abort();
        }
        const QSize thumbnail = photo.thumbnail().size();
        if (thumbnail.width() > ImageImportService::thumbnailMaxPixelSize
            || thumbnail.height() > ImageImportService::thumbnailMaxPixelSize) {
            std::abort();
        }
    } catch (const BoardFailure&) { }

    // The renderer's tile decode: a small bound taken from the input itself, so that the
    // downsampling paths of every decoder are reached.
    const int longerSide = size > 0 ? 1 + data[size - 1] % 96 : 1;
    const QImage tile = ImageDecoder::decodeUpright(bytes, longerSide);
    if (!tile.isNull() && (tile.width() > longerSide || tile.height() > longerSide)) {
        std::abort();
    }
    return 0;
}
