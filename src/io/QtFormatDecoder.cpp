#include "io/QtFormatDecoder.h"

#include "io/AreaDownsampler.h"

#include <QBuffer>
#include <QImageReader>

namespace {

QByteArray qtFormatName(ImageDecoder::Container container)
{
    return container == ImageDecoder::Container::gif ? QByteArrayLiteral("gif") : QByteArrayLiteral("bmp");
}

} // namespace

std::optional<ImageDecoder::Probe> QtFormatDecoder::probe(
    const QByteArray& data, ImageDecoder::Container container)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, qtFormatName(container));
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) {
        return std::nullopt;
    }
    ImageDecoder::Probe result;
    result.container = container;
    result.storedSize = size;
    return result;
}

QImage QtFormatDecoder::decode(const QByteArray& data, ImageDecoder::Container container, QSize outputSize)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, qtFormatName(container));
    reader.setAutoTransform(false);
    const QImage frame = reader.read();
    if (frame.isNull()) {
        return {};
    }
    const bool opaque = !frame.hasAlphaChannel();
    const QImage pixels
        = frame.convertToFormat(opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    AreaDownsampler downsampler(pixels.size(), outputSize.boundedTo(pixels.size()), opaque);
    if (downsampler.isNull()) {
        return {};
    }
    for (int y = 0; y < pixels.height(); ++y) {
        downsampler.addRow(reinterpret_cast<const QRgb*>(pixels.constScanLine(y)));
    }
    return downsampler.result();
}
