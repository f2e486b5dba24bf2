#pragma once

#include <array>
#include <memory>
#include <QRgb>

// A conversion to sRGB for profiles made of a curve per channel and a matrix (Display P3, Adobe
// RGB, ProPhoto and nearly every camera and phone profile). In linear light such a conversion is
// a sum of one term per input channel, so Little CMS is asked once for the 3 × 256 terms and
// each pixel then costs three look-ups, a sum and sRGB's curve from a table: several times
// quicker than running the full transform on every pixel of every photo.
class SeparableTransform
{
public:
    // The tables for a Little CMS RGB profile handle; null when the profile is of another kind.
    // Whether the result agrees with the profile's full transform is for the caller to check.
    static std::unique_ptr<const SeparableTransform> tabulate(void* profile);

    // Converts QRgb pixels (alpha kept) or three-byte RGB pixels in place.
    void convertRgb32(QRgb* pixels, int count) const;
    void convertRgb888(uchar* pixels, int count) const;

private:
    // Red, green, blue and an unused lane: one vector instruction adds all three sums.
    using Lanes = qint32 __attribute__((vector_size(16)));

    SeparableTransform() = default;
    void convert(int red, int green, int blue, uchar* output) const;

    // Linear-light sRGB contributions of each input value in units of the encoding table's
    // steps; the black level is folded into the red table.
    std::array<Lanes, 256> m_red {};
    std::array<Lanes, 256> m_green {};
    std::array<Lanes, 256> m_blue {};
};
