#include "model/BoardLimits.h"

#include "model/ByteCount.h"

#include <QCoreApplication>

QString BoardLimits::tooManyPhotosText()
{
    return QCoreApplication::translate("BoardLimits", "A board can contain up to %1 images.").arg(maxPhotos);
}

QString BoardLimits::addingToFullBoardText()
{
    return QCoreApplication::translate(
        "BoardLimits", "A board can contain up to %1 images. Remove an image before adding more.")
        .arg(maxPhotos);
}

QString BoardLimits::fullBoardText()
{
    return QCoreApplication::translate("BoardLimits", "This board already contains %1 images.")
        .arg(maxPhotos);
}

QString BoardLimits::skippedInputsLine(qsizetype count)
{
    const QString skipped = count == 1
        ? QCoreApplication::translate("BoardLimits", "The remaining 1 file was skipped.")
        : QCoreApplication::translate("BoardLimits", "The remaining %1 files were skipped.").arg(count);
    return skipped + QLatin1Char(' ') + tooManyPhotosText();
}

QString BoardLimits::excessInputsLine(qsizetype count)
{
    return count == 1
        ? QCoreApplication::translate("BoardLimits", "1 additional image exceeded the %1-image limit.")
              .arg(maxPhotos)
        : QCoreApplication::translate("BoardLimits", "%1 additional images exceeded the %2-image limit.")
              .arg(count)
              .arg(maxPhotos);
}

QString BoardLimits::excessDropItemsLine(qsizetype count)
{
    return count == 1
        ? QCoreApplication::translate("BoardLimits", "1 additional image exceeded the board limit.")
        : QCoreApplication::translate("BoardLimits", "%1 additional images exceeded the board limit.")
              .arg(count);
}

QString BoardLimits::boardFullLine(const QString& fileName)
{
    return QCoreApplication::translate("BoardLimits", "%1: the board is full.").arg(fileName);
}

QString BoardLimits::boardBytesLine(const QString& fileName)
{
    return QCoreApplication::translate(
        "BoardLimits", "%1: adding this image would exceed the board's %2 source-image limit.")
        .arg(fileName, ByteCount::text(maxTotalSourceBytes));
}

QString BoardLimits::beyondCountLine(const QString& fileName)
{
    return fileName + QStringLiteral(": this image exceeded the %1-image limit.").arg(maxPhotos);
}

QString BoardLimits::fileTooLargeText()
{
    return QCoreApplication::translate("BoardLimits", "This image exceeds the %1 import limit.")
        .arg(ByteCount::text(maxSourceFileBytes));
}

QString BoardLimits::boardTooLargeText()
{
    return QCoreApplication::translate("BoardLimits", "The original images in one board can total up to %1.")
        .arg(ByteCount::text(maxTotalSourceBytes));
}

QString BoardLimits::storedImageTooLargeText()
{
    return QCoreApplication::translate(
        "BoardLimits", "An image in this board is empty or exceeds the %1 limit.")
        .arg(ByteCount::text(maxSourceFileBytes));
}

QString BoardLimits::imageSideTooLargeText()
{
    return QCoreApplication::translate(
        "BoardLimits", "This image exceeds the %1-pixel import limit per side. Export a smaller copy first.")
        .arg(maxImageSide);
}

QString BoardLimits::imagePixelsTooLargeText()
{
    return QCoreApplication::translate(
        "BoardLimits", "This image exceeds the %1-megapixel import limit. Export a smaller copy first.")
        .arg(maxImagePixels / 1'000'000);
}
