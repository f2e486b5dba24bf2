#pragma once

#include <QByteArrayView>
#include <QImage>

// The EXIF orientation (1 to 8): how the stored pixels must be turned to stand upright.
class ExifOrientation
{
public:
    // The orientation tag of IFD0 in a TIFF-structured EXIF block ("II*\0" or "MM\0*" first,
    // with or without the "Exif\0\0" prefix of a JPEG APP1 segment). 1 when the block is
    // missing, damaged or holds a value outside 1 to 8.
    static int fromExif(QByteArrayView exif);

    // The image turned upright. Orientations 5 to 8 swap width and height.
    static QImage apply(const QImage& stored, int orientation);
};
