#include "io/ImageImportError.h"

#include <QCoreApplication>

QString ImageImportError::description() const
{
    return description(m_kind);
}

QString ImageImportError::description(Kind kind)
{
    switch (kind) {
    case Kind::notLocalFile:
        return QCoreApplication::translate("ImageImportError", "Choose an image stored on this computer.");
    case Kind::emptyFile:
        return QCoreApplication::translate("ImageImportError", "The image file is empty.");
    case Kind::fileTooLarge:
        return QCoreApplication::translate("ImageImportError", "This image exceeds the 64 MB import limit.");
    case Kind::boardTooLarge:
        return QCoreApplication::translate(
            "ImageImportError", "The original images in one board can total up to 256 MB.");
    case Kind::unreadableImage:
        return QCoreApplication::translate(
            "ImageImportError", "The image is damaged or could not be decoded.");
    case Kind::unsupportedFormat:
        return QCoreApplication::translate("ImageImportError",
            "Use PNG, JPEG, HEIC, TIFF, GIF, or BMP. Animated images use their first frame.");
    case Kind::dimensionsTooLarge:
        break;
    }
    return QCoreApplication::translate("ImageImportError",
        "This image exceeds the 100-megapixel import limit. Export a smaller copy first.");
}
