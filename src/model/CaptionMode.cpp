#include "model/CaptionMode.h"

QList<CaptionMode> allCaptionModes()
{
    return { CaptionMode::none, CaptionMode::filename, CaptionMode::custom };
}

QString identifier(CaptionMode mode)
{
    switch (mode) {
    case CaptionMode::none:
        return QStringLiteral("none");
    case CaptionMode::filename:
        return QStringLiteral("filename");
    case CaptionMode::custom:
        break;
    }
    return QStringLiteral("custom");
}

QString title(CaptionMode mode)
{
    switch (mode) {
    case CaptionMode::none:
        return QStringLiteral("None");
    case CaptionMode::filename:
        return QStringLiteral("File names");
    case CaptionMode::custom:
        break;
    }
    return QStringLiteral("Custom captions");
}

std::optional<CaptionMode> captionModeFromIdentifier(const QString& identifier)
{
    for (CaptionMode mode : allCaptionModes()) {
        if (identifier == ::identifier(mode)) {
            return mode;
        }
    }
    return std::nullopt;
}
