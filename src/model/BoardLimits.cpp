#include "model/BoardLimits.h"

#include "model/ByteCount.h"

namespace {

QString images(qsizetype count)
{
    return count == 1 ? QStringLiteral("1 additional image")
                      : QStringLiteral("%1 additional images").arg(count);
}

} // namespace

QString BoardLimits::tooManyPhotosText()
{
    return QStringLiteral("A board can contain up to %1 images.").arg(maxPhotos);
}

QString BoardLimits::addingToFullBoardText()
{
    return tooManyPhotosText() + QStringLiteral(" Remove an image before adding more.");
}

QString BoardLimits::fullBoardText()
{
    return QStringLiteral("This board already contains %1 images.").arg(maxPhotos);
}

QString BoardLimits::skippedInputsLine(qsizetype count)
{
    const QString skipped = count == 1 ? QStringLiteral("The remaining 1 file was skipped.")
                                       : QStringLiteral("The remaining %1 files were skipped.").arg(count);
    return skipped + QLatin1Char(' ') + tooManyPhotosText();
}

QString BoardLimits::excessInputsLine(qsizetype count)
{
    return images(count) + QStringLiteral(" exceeded the %1-image limit.").arg(maxPhotos);
}

QString BoardLimits::excessDropItemsLine(qsizetype count)
{
    return images(count) + QStringLiteral(" exceeded the board limit.");
}

QString BoardLimits::boardFullLine(const QString& fileName)
{
    return fileName + QStringLiteral(": the board is full.");
}

QString BoardLimits::boardBytesLine(const QString& fileName)
{
    return fileName
        + QStringLiteral(": adding this image would exceed the board's %1 source-image limit.")
              .arg(ByteCount::text(maxTotalSourceBytes));
}

QString BoardLimits::beyondCountLine(const QString& fileName)
{
    return fileName + QStringLiteral(": this image exceeded the %1-image limit.").arg(maxPhotos);
}

QString BoardLimits::fileTooLargeText()
{
    return QStringLiteral("This image exceeds the %1 import limit.").arg(ByteCount::text(maxSourceFileBytes));
}

QString BoardLimits::boardTooLargeText()
{
    return QStringLiteral("The original images in one board can total up to %1.")
        .arg(ByteCount::text(maxTotalSourceBytes));
}

QString BoardLimits::storedImageTooLargeText()
{
    return QStringLiteral("An image in this board is empty or exceeds the %1 limit.")
        .arg(ByteCount::text(maxSourceFileBytes));
}

QString BoardLimits::imageSideTooLargeText()
{
    return QStringLiteral(
        "This image exceeds the %1-pixel import limit per side. Export a smaller copy first.")
        .arg(maxImageSide);
}

QString BoardLimits::imagePixelsTooLargeText()
{
    return QStringLiteral("This image exceeds the %1-megapixel import limit. Export a smaller copy first.")
        .arg(maxImagePixels / 1'000'000);
}
