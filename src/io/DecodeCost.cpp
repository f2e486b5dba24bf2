#include "io/DecodeCost.h"

#include "io/AreaDownsampler.h"
#include "io/JpegDecoder.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr qint64 bytesPerPixel = 4;
// libjpeg scales by eighths while decoding and hands rows on in small batches.
constexpr qint64 jpegScaleSteps = 8;
constexpr qint64 jpegRowsInFlight = 2 * 64;
// libheif holds the decoder's planes and a planar RGB copy of the whole picture.
constexpr qint64 heifBytesPerPixel = 6;

qint64 outputBytes(QSize storedSize, int side)
{
    const qint64 longer = std::max(storedSize.width(), storedSize.height());
    const double scale = longer > side ? double(side) / double(longer) : 1.0;
    return qint64(std::ceil(storedSize.width() * scale) * std::ceil(storedSize.height() * scale))
        * bytesPerPixel;
}

qint64 jpegScaledWidth(QSize storedSize, int side)
{
    const int eighths = JpegDecoder::scaleEighths(storedSize, AreaDownsampler::fittedSize(storedSize, side));
    return (qint64(storedSize.width()) * eighths + jpegScaleSteps - 1) / jpegScaleSteps;
}
} // namespace

qint64 DecodeCost::workingBytes(ImageDecoder::Container container, QSize storedSize, int side)
{
    const qint64 pixels = qint64(std::max(storedSize.width(), 1)) * std::max(storedSize.height(), 1);
    const qint64 output = outputBytes(storedSize, std::max(side, 1));
    switch (container) {
    case ImageDecoder::Container::jpeg:
        return jpegScaledWidth(storedSize, std::max(side, 1)) * bytesPerPixel * jpegRowsInFlight + output;
    case ImageDecoder::Container::heic:
    case ImageDecoder::Container::heif:
        return pixels * heifBytesPerPixel + output;
    default:
        // Some decoders hold the whole frame (interlaced PNG, single-strip TIFF, GIF).
        return pixels * bytesPerPixel + output;
    }
}
