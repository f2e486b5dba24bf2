#include "io/QtFormatDecoder.h"

#include "io/AreaDownsampler.h"
#include "io/ColourTransform.h"
#include "io/GifFrameCheck.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>

namespace {

QByteArray qtFormatName(ImageDecoder::Container container)
{
    return container == ImageDecoder::Container::gif ? QByteArrayLiteral("gif") : QByteArrayLiteral("bmp");
}

// Qt's reader over bytes in memory, giving the frame as stored: orientation is applied later.
class MemoryReader
{
public:
    MemoryReader(const QByteArray& data, ImageDecoder::Container container)
    {
        m_buffer.setData(data);
        m_buffer.open(QIODevice::ReadOnly);
        m_reader.setDevice(&m_buffer);
        m_reader.setFormat(qtFormatName(container));
        m_reader.setAutoTransform(false);
    }
    QImageReader& reader() { return m_reader; }

private:
    QBuffer m_buffer;
    QImageReader m_reader;
};

// Qt refuses frames above 128 MB by default, about 33 megapixels at four bytes a pixel; the
// program's own pixel limit is the one that counts. Raised once, before the first frame is read.
void allowFramesUpToThePixelLimit()
{
    [[maybe_unused]] static const bool raised = [] {
        constexpr qint64 megabyte = 1 << 20;
        const qint64 needed = (ImageDecoder::maximumPixelArea * 4 + megabyte - 1) / megabyte;
        if (QImageReader::allocationLimit() < needed) {
            QImageReader::setAllocationLimit(int(needed));
        }
        return true;
    }();
}

// Rows in the downsampler's premultiplied form, converted one at a time so that the frame is
// never held twice.
void addRows(const QImage& frame, bool opaque, AreaDownsampler& downsampler)
{
    const QImage::Format wanted = opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied;
    for (int y = 0; y < frame.height(); ++y) {
        if (frame.format() == wanted) {
            downsampler.addRow(reinterpret_cast<const QRgb*>(frame.constScanLine(y)));
        } else {
            const QImage row = frame.copy(0, y, frame.width(), 1).convertToFormat(wanted);
            downsampler.addRow(reinterpret_cast<const QRgb*>(row.constScanLine(0)));
        }
    }
}

} // namespace

std::optional<ImageDecoder::Probe> QtFormatDecoder::probe(
    const QByteArray& data, ImageDecoder::Container container)
{
    MemoryReader source(data, container);
    const QSize size = source.reader().size();
    if (!size.isValid() || size.isEmpty()) {
        return std::nullopt;
    }
    ImageDecoder::Probe result;
    result.container = container;
    result.storedSize = size;
    return result;
}

QImage QtFormatDecoder::decode(
    const QByteArray& data, ImageDecoder::Container container, QSize outputSize, QImage::Format opaqueFormat)
{
    if (container == ImageDecoder::Container::gif
        && !GifFrameCheck::firstFrameComplete(QByteArrayView(data))) {
        return {};
    }
    allowFramesUpToThePixelLimit();
    MemoryReader source(data, container);
    const QImage frame = source.reader().read();
    if (frame.isNull()) {
        return {};
    }
    const bool opaque = !frame.hasAlphaChannel();
    AreaDownsampler downsampler(frame.size(), outputSize.boundedTo(frame.size()), opaque, opaqueFormat);
    if (downsampler.isNull()) {
        return {};
    }
    addRows(frame, opaque, downsampler);
    QImage result = downsampler.result();
    if (frame.colorSpace().isValid()) {
        ColourTransform::convertToSrgb(result, ColourProfile::fromIcc(frame.colorSpace().iccProfile()));
    }
    return result;
}
