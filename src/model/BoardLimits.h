#pragma once

#include <QtGlobal>

// Every size and count check in the program uses these; all limits are inclusive.
struct BoardLimits
{
    static constexpr qint64 maxPhotos = 60;
    static constexpr qint64 maxSourceFileBytes = 67'108'864;
    static constexpr qint64 maxTotalSourceBytes = 268'435'456;
    static constexpr qint64 maxOutputPixels = 64'000'000;
    static constexpr qint64 maxOutputDimension = 16'384;
};
