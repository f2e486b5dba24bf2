#pragma once

#include <QByteArrayView>

// Qt's GIF reader paints whatever a cut-off file no longer holds in black and reports success.
// This walks the file up to the end of its first frame and counts the pixels its LZW data
// encodes, so that a file that ends early, or a frame whose data stops short, is refused.
class GifFrameCheck
{
public:
    static bool firstFrameComplete(QByteArrayView bytes);
};
