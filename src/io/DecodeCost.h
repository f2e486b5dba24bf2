#pragma once

#include "io/ImageDecoder.h"

#include <QSize>

// What one decode holds in memory while it runs, estimated from the header alone and rounded
// up, so that decodes running side by side can be kept within a byte budget.
class DecodeCost
{
public:
    // Decoding an image of `storedSize` in `container` to at most `side` pixels on its longer side.
    static qint64 workingBytes(ImageDecoder::Container container, QSize storedSize, int side);
};
