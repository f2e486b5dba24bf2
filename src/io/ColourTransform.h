#pragma once

#include "io/ColourProfile.h"

#include <memory>
#include <QImage>

// Conversion of decoded pixels from the colour space a file declares to sRGB, through Little CMS.
// Transforms are made once per profile and pixel layout and shared: every function may run on
// several threads at once. A profile that cannot be used (broken, or for another kind of colour
// than the pixels have) converts nothing, exactly like sRGB: a photo is never refused for it.
class ColourTransform
{
public:
    // How the pixels lie in memory. Rgb32 and premultiplied are QRgb values; invertedCmyk is four
    // bytes a pixel as Adobe writes CMYK JPEGs (0 is full ink), converted into opaque QRgb.
    enum class Layout : char { rgb32 = 'x', rgb888 = 'r', premultiplied = 'p', invertedCmyk = 'k' };

    // Converts a decoded picture in place. Format_RGB32, Format_RGB888 and
    // Format_ARGB32_Premultiplied are converted; other formats are left alone.
    static void convertToSrgb(QImage& image, const ColourProfile& profile);
    // The shared transform from profile to sRGB for pixels in layout; null when nothing needs to
    // change (sRGB, a profile that amounts to sRGB, or an unusable one).
    static std::shared_ptr<const ColourTransform> toSrgb(const ColourProfile& profile, Layout layout);

    // Converts pixelCount pixels; input and output may be the same row.
    void convert(const void* input, void* output, int pixelCount) const;

    explicit ColourTransform(void* transform);
    ~ColourTransform();
    ColourTransform(const ColourTransform&) = delete;
    ColourTransform& operator=(const ColourTransform&) = delete;

private:
    void* m_transform;
};
