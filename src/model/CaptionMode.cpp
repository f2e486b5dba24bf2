#include "model/CaptionMode.h"

#include <QCoreApplication>

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
        return QCoreApplication::translate("BoardOptions", "None");
    case CaptionMode::filename:
        return QCoreApplication::translate("BoardOptions", "File names");
    case CaptionMode::custom:
        break;
    }
    return QCoreApplication::translate("BoardOptions", "Custom captions");
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
