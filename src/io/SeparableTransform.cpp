#include "io/SeparableTransform.h"

#include <algorithm>
#include <cmath>
#include <lcms2.h>
#include <vector>

namespace {

// Linear light to 8-bit sRGB in steps fine enough that the steep start of the curve stays
// within a fifth of a level.
constexpr int encodeSteps = 16384;

const std::array<uchar, encodeSteps + 1>& srgbEncoding()
{
    static const std::array<uchar, encodeSteps + 1> table = [] {
        std::array<uchar, encodeSteps + 1> values {};
        for (int step = 0; step <= encodeSteps; ++step) {
            const double linear = double(step) / encodeSteps;
            const double encoded
                = linear <= 0.0031308 ? linear * 12.92 : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
            values[std::size_t(step)] = uchar(std::lround(std::clamp(encoded, 0.0, 1.0) * 255));
        }
        return values;
    }();
    return table;
}

struct ProfileCloser
{
    void operator()(void* profile) const { cmsCloseProfile(profile); }
};

// sRGB's primaries and white with a straight line for a curve, built the way Little CMS builds
// its own sRGB profile.
std::unique_ptr<void, ProfileCloser> linearSrgb()
{
    const cmsCIExyY d65 { 0.3127, 0.3290, 1.0 };
    const cmsCIExyYTRIPLE primaries { { 0.64, 0.33, 1.0 }, { 0.30, 0.60, 1.0 }, { 0.15, 0.06, 1.0 } };
    cmsToneCurve* line = cmsBuildGamma(nullptr, 1.0);
    cmsToneCurve* curves[3] = { line, line, line };
    std::unique_ptr<void, ProfileCloser> profile(cmsCreateRGBProfile(&d65, &primaries, curves));
    cmsFreeToneCurve(line);
    return profile;
}

} // namespace

std::unique_ptr<const SeparableTransform> SeparableTransform::tabulate(void* profile)
{
    if (cmsGetColorSpace(profile) != cmsSigRgbData || !cmsIsMatrixShaper(profile)) {
        return nullptr;
    }
    const auto linear = linearSrgb();
    // Floating-point output is unbounded: colours outside sRGB keep their values until the end.
    cmsHTRANSFORM transform = cmsCreateTransform(
        profile, TYPE_RGB_8, linear.get(), TYPE_RGB_FLT, INTENT_PERCEPTUAL, cmsFLAGS_NOCACHE);
    if (!transform) {
        return nullptr;
    }
    // Black, then each channel alone at every level.
    std::vector<uchar> input(3 * (1 + 3 * 256), 0);
    for (int channel = 0; channel < 3; ++channel) {
        for (int value = 0; value < 256; ++value) {
            input[std::size_t(3 * (1 + channel * 256 + value) + channel)] = uchar(value);
        }
    }
    std::vector<float> output(input.size());
    cmsDoTransform(transform, input.data(), output.data(), cmsUInt32Number(input.size() / 3));
    cmsDeleteTransform(transform);

    std::unique_ptr<SeparableTransform> result(new SeparableTransform);
    std::array<Lanes, 256>* const tables[3] = { &result->m_red, &result->m_green, &result->m_blue };
    for (int channel = 0; channel < 3; ++channel) {
        for (int value = 0; value < 256; ++value) {
            for (int component = 0; component < 3; ++component) {
                const float black = output[std::size_t(component)];
                const float alone = output[std::size_t(3 * (1 + channel * 256 + value) + component)];
                const float share = alone - (channel == 0 ? 0.0f : black);
                (*tables[channel])[std::size_t(value)][component] = qint32(std::lround(share * encodeSteps));
            }
        }
    }
    return result;
}

void SeparableTransform::convert(int red, int green, int blue, uchar* output) const
{
    const std::array<uchar, encodeSteps + 1>& table = srgbEncoding();
    const Lanes none {};
    const Lanes full { encodeSteps, encodeSteps, encodeSteps, encodeSteps };
    // Summed before anything is written: the output may be the input pixel.
    Lanes sum = m_red[std::size_t(red)] + m_green[std::size_t(green)] + m_blue[std::size_t(blue)];
    sum = sum < none ? none : sum;
    sum = sum > full ? full : sum;
    output[0] = table[std::size_t(sum[0])];
    output[1] = table[std::size_t(sum[1])];
    output[2] = table[std::size_t(sum[2])];
}

void SeparableTransform::convertRgb32(QRgb* pixels, int count) const
{
    for (int index = 0; index < count; ++index) {
        const QRgb pixel = pixels[index];
        uchar rgb[3];
        convert(qRed(pixel), qGreen(pixel), qBlue(pixel), rgb);
        pixels[index] = qRgba(rgb[0], rgb[1], rgb[2], qAlpha(pixel));
    }
}

void SeparableTransform::convertRgb888(uchar* pixels, int count) const
{
    for (int index = 0; index < count; ++index, pixels += 3) {
        convert(pixels[0], pixels[1], pixels[2], pixels);
    }
}
