#include "io/ImageImportError.h"

QString ImageImportError::description() const
{
    return description(m_kind);
}

QString ImageImportError::description(Kind kind)
{
    switch (kind) {
    case Kind::notLocalFile:
        return QStringLiteral("Choose an image stored on this computer.");
    case Kind::emptyFile:
        return QStringLiteral("The image file is empty.");
    case Kind::fileTooLarge:
        return QStringLiteral("This image exceeds the 64 MB import limit.");
    case Kind::boardTooLarge:
        return QStringLiteral("The original images in one board can total up to 256 MB.");
    case Kind::unreadableImage:
        return QStringLiteral("The image is damaged or could not be decoded.");
    case Kind::unsupportedFormat:
        return QStringLiteral(
            "Use PNG, JPEG, HEIC, TIFF, GIF, or BMP. Animated images use their first frame.");
    case Kind::dimensionsTooLarge:
        break;
    }
    return QStringLiteral("This image exceeds the 100-megapixel import limit. Export a smaller copy first.");
}
