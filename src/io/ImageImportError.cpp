#include "io/ImageImportError.h"

#include "model/BoardLimits.h"

#include <QCoreApplication>

ImageImportError ImageImportError::dimensionsTooLarge(QSize size)
{
    ImageImportError error(Kind::dimensionsTooLarge);
    error.m_sideTooLarge
        = size.width() > BoardLimits::maxImageSide || size.height() > BoardLimits::maxImageSide;
    return error;
}

QString ImageImportError::description() const
{
    return m_sideTooLarge ? BoardLimits::imageSideTooLargeText() : description(m_kind);
}

QString ImageImportError::description(Kind kind)
{
    switch (kind) {
    case Kind::notLocalFile:
        return QCoreApplication::translate("ImageImportError", "Choose an image stored on this computer.");
    case Kind::emptyFile:
        return QCoreApplication::translate("ImageImportError", "The image file is empty.");
    case Kind::fileTooLarge:
        return BoardLimits::fileTooLargeText();
    case Kind::boardTooLarge:
        return BoardLimits::boardTooLargeText();
    case Kind::unreadableImage:
        return QCoreApplication::translate(
            "ImageImportError", "The image is damaged or could not be decoded.");
    case Kind::unsupportedFormat:
        return QCoreApplication::translate("ImageImportError",
            "Use PNG, JPEG, HEIC, TIFF, GIF, or BMP. Animated images use their first frame.");
    case Kind::dimensionsTooLarge:
        break;
    }
    return BoardLimits::imagePixelsTooLargeText();
}
