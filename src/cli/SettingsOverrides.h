#pragma once

#include "model/BoardSettings.h"

#include <optional>

// The settings given on the command line. Only the given ones replace the values of the board
// they are applied to (the defaults, or a project's settings), so a project keeps everything else.
class SettingsOverrides
{
public:
    std::optional<qint64> columns;
    std::optional<CellAspect> cellAspect;
    std::optional<PhotoFit> photoFit;
    std::optional<BoardBackground> background;
    std::optional<bool> showNumbers;
    std::optional<CaptionMode> captionMode;
    std::optional<QString> title;
    std::optional<double> spacing;
    std::optional<double> padding;
    std::optional<double> cornerRadius;
    std::optional<qint64> outputWidth;
    std::optional<double> captionFontSize;
    std::optional<double> titleFontSize;

    // The given fields replace those of `settings`; the result is normalized like every other record.
    BoardSettings appliedTo(BoardSettings settings) const;
};
