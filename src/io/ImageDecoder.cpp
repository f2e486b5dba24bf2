#include "io/ImageDecoder.h"

#include <QBuffer>
#include <QImageReader>

// Interim implementation over QImageReader; the bounded, format-specific decoders replace it.

std::optional<ImageDecoder::Container> ImageDecoder::detect(const QByteArray& data)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    const QByteArray format = QImageReader::imageFormat(&buffer);
    if (format == "png") {
        return Container::png;
    }
    if (format == "jpeg" || format == "jpg") {
        return Container::jpeg;
    }
    if (format == "tiff") {
        return Container::tiff;
    }
    if (format == "gif") {
        return Container::gif;
    }
    if (format == "bmp") {
        return Container::bmp;
    }
    if (format.isEmpty()) {
        return std::nullopt;
    }
    return Container::unsupported;
}

QString ImageDecoder::typeIdentifier(Container container)
{
    switch (container) {
    case Container::png:
        return QStringLiteral("public.png");
    case Container::jpeg:
        return QStringLiteral("public.jpeg");
    case Container::heic:
        return QStringLiteral("public.heic");
    case Container::heif:
        return QStringLiteral("public.heif");
    case Container::tiff:
        return QStringLiteral("public.tiff");
    case Container::gif:
        return QStringLiteral("com.compuserve.gif");
    case Container::bmp:
        return QStringLiteral("com.microsoft.bmp");
    case Container::unsupported:
        break;
    }
    return {};
}

std::optional<ImageDecoder::Probe> ImageDecoder::probe(const QByteArray& data)
{
    const std::optional<Container> container = detect(data);
    if (!container || *container == Container::unsupported) {
        return std::nullopt;
    }
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    Probe result;
    result.container = *container;
    result.storedSize = reader.size();
    if (!result.storedSize.isValid()) {
        return std::nullopt;
    }
    return result;
}

QImage ImageDecoder::decodeUpright(const QByteArray& data, int maximumLongerSide)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull()) {
        return image;
    }
    if (std::max(image.width(), image.height()) > maximumLongerSide) {
        image = image.scaled(maximumLongerSide, maximumLongerSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    return image;
}
