#include "io/ImageDecoder.h"

#include "io/AreaDownsampler.h"
#include "io/BmpDecoder.h"
#include "io/ContainerDetector.h"
#include "io/ExifOrientation.h"
#include "io/HeifDecoder.h"
#include "io/JpegDecoder.h"
#include "io/PngDecoder.h"
#include "io/QtFormatDecoder.h"
#include "io/TiffDecoder.h"

bool ImageDecoder::withinPixelLimits(QSize size)
{
    const qint64 width = size.width();
    const qint64 height = size.height();
    return width > 0 && height > 0 && width <= maximumPixelSide && height <= maximumPixelSide
        && width * height <= maximumPixelArea;
}

std::optional<ImageDecoder::Container> ImageDecoder::detect(const QByteArray& data)
{
    return ContainerDetector::detect(QByteArrayView(data));
}

QString ImageDecoder::mimeType(Container container)
{
    switch (container) {
    case Container::png:
        return QStringLiteral("image/png");
    case Container::jpeg:
        return QStringLiteral("image/jpeg");
    case Container::heic:
        return QStringLiteral("image/heic");
    case Container::heif:
        return QStringLiteral("image/heif");
    case Container::tiff:
        return QStringLiteral("image/tiff");
    case Container::gif:
        return QStringLiteral("image/gif");
    case Container::bmp:
        return QStringLiteral("image/bmp");
    case Container::unsupported:
        break;
    }
    return {};
}

std::optional<ImageDecoder::Probe> ImageDecoder::probe(const QByteArray& data)
{
    const std::optional<Container> container = detect(data);
    if (!container) {
        return std::nullopt;
    }
    switch (*container) {
    case Container::png:
        return PngDecoder::probe(data);
    case Container::jpeg:
        return JpegDecoder::probe(data);
    case Container::heic:
    case Container::heif:
        return HeifDecoder::probe(data, *container);
    case Container::tiff:
        return TiffDecoder::probe(data);
    case Container::bmp:
        return BmpDecoder::probe(data);
    case Container::gif:
        return QtFormatDecoder::probe(data, *container);
    case Container::unsupported:
        break;
    }
    return std::nullopt;
}

QImage ImageDecoder::decodeUpright(const QByteArray& data, int maximumLongerSide, QImage::Format opaqueFormat)
{
    const std::optional<Probe> header = probe(data);
    if (!header || maximumLongerSide <= 0 || !withinPixelLimits(header->storedSize)) {
        return {};
    }
    const QSize outputSize = AreaDownsampler::fittedSize(header->storedSize, maximumLongerSide);
    QImage stored;
    switch (header->container) {
    case Container::png:
        stored = PngDecoder::decode(data, outputSize, opaqueFormat);
        break;
    case Container::jpeg:
        stored = JpegDecoder::decode(data, outputSize, opaqueFormat);
        break;
    case Container::heic:
    case Container::heif:
        stored = HeifDecoder::decode(data, outputSize, opaqueFormat);
        break;
    case Container::tiff:
        stored = TiffDecoder::decode(data, outputSize, opaqueFormat);
        break;
    case Container::bmp:
        stored = BmpDecoder::decode(data, outputSize, opaqueFormat);
        break;
    case Container::gif:
        stored = QtFormatDecoder::decode(data, header->container, outputSize, opaqueFormat);
        break;
    case Container::unsupported:
        return {};
    }
    return ExifOrientation::apply(stored, header->orientation);
}
