#include "io/ColourTransform.h"

#include <cstdlib>
#include <lcms2.h>
#include <map>
#include <mutex>
#include <vector>

namespace {

using Layout = ColourTransform::Layout;

constexpr bool littleEndian = Q_BYTE_ORDER == Q_LITTLE_ENDIAN;
// A QRgb in memory: B, G, R, A on little-endian machines, A, R, G, B on big-endian ones.
constexpr cmsUInt32Number qrgbFormat = littleEndian ? TYPE_BGRA_8 : TYPE_ARGB_8;
constexpr cmsUInt32Number premultipliedFormat = littleEndian ? TYPE_BGRA_8_PREMUL : TYPE_ARGB_8_PREMUL;

struct ProfileCloser
{
    void operator()(void* profile) const { cmsCloseProfile(profile); }
};
using Profile = std::unique_ptr<void, ProfileCloser>;

struct CurveFreer
{
    void operator()(cmsToneCurve* curve) const { cmsFreeToneCurve(curve); }
};

Profile matrixAndCurveProfile(const ColourProfile& profile)
{
    const ColourProfile::Chromaticities xy = profile.chromaticities();
    const cmsCIExyY white { xy.whiteX, xy.whiteY, 1.0 };
    const cmsCIExyYTRIPLE primaries { { xy.redX, xy.redY, 1.0 }, { xy.greenX, xy.greenY, 1.0 },
        { xy.blueX, xy.blueY, 1.0 } };
    // IEC 61966-2-1: a linear toe, then a 2.4 power.
    const cmsFloat64Number srgb[5] = { 2.4, 1.0 / 1.055, 0.055 / 1.055, 1.0 / 12.92, 0.04045 };
    const std::unique_ptr<cmsToneCurve, CurveFreer> curve(profile.curve() == ColourProfile::Curve::srgb
            ? cmsBuildParametricToneCurve(nullptr, 4, srgb)
            : cmsBuildGamma(nullptr, profile.gamma()));
    if (!curve) {
        return nullptr;
    }
    cmsToneCurve* const curves[3] = { curve.get(), curve.get(), curve.get() };
    return Profile(cmsCreateRGBProfile(&white, &primaries, curves));
}

Profile openProfile(const ColourProfile& profile)
{
    if (!profile.isIcc()) {
        return matrixAndCurveProfile(profile);
    }
    const QByteArray bytes = profile.iccBytes();
    return Profile(cmsOpenProfileFromMem(bytes.constData(), cmsUInt32Number(bytes.size())));
}

// The source format for a profile's colour space in a layout; 0 when they do not fit together.
cmsUInt32Number inputFormat(cmsColorSpaceSignature space, Layout layout)
{
    if (layout == Layout::invertedCmyk) {
        return space == cmsSigCmykData ? TYPE_CMYK_8_REV : 0;
    }
    if (space == cmsSigRgbData) {
        switch (layout) {
        case Layout::rgb32:
            return qrgbFormat;
        case Layout::rgb888:
            return TYPE_RGB_8;
        case Layout::premultiplied:
            return premultipliedFormat;
        case Layout::invertedCmyk:
            break;
        }
    }
    // Grey pictures arrive expanded to equal red, green and blue: the first byte is read as the
    // grey and the rest skipped.
    if (space == cmsSigGrayData && (layout == Layout::rgb888 || (layout == Layout::rgb32 && littleEndian))) {
        return COLORSPACE_SH(PT_GRAY) | CHANNELS_SH(1) | BYTES_SH(1)
            | EXTRA_SH(layout == Layout::rgb888 ? 2 : 3);
    }
    return 0;
}

cmsUInt32Number outputFormat(Layout layout)
{
    switch (layout) {
    case Layout::rgb888:
        return TYPE_RGB_8;
    case Layout::premultiplied:
        return premultipliedFormat;
    case Layout::rgb32:
    case Layout::invertedCmyk:
        break;
    }
    return qrgbFormat;
}

// A transform that moves no 8-bit value by more than one level is not worth running: sRGB
// profiles embedded by cameras and editors end here.
bool amountsToIdentity(const ColourTransform& transform, Layout layout)
{
    if (layout == Layout::invertedCmyk) {
        return false;
    }
    const int bytesPerPixel = layout == Layout::rgb888 ? 3 : 4;
    std::vector<uchar> input;
    for (int red = 0; red < 256; red += 17) {
        for (int green = 0; green < 256; green += 17) {
            for (int blue = 0; blue < 256; blue += 17) {
                const QRgb pixel = qRgb(red, green, blue);
                if (bytesPerPixel == 3) {
                    input.insert(input.end(), { uchar(red), uchar(green), uchar(blue) });
                } else {
                    const auto* bytes = reinterpret_cast<const uchar*>(&pixel);
                    input.insert(input.end(), bytes, bytes + 4);
                }
            }
        }
    }
    std::vector<uchar> output(input.size());
    transform.convert(input.data(), output.data(), int(input.size()) / bytesPerPixel);
    for (std::size_t index = 0; index < input.size(); ++index) {
        if (std::abs(int(input[index]) - int(output[index])) > 1) {
            return false;
        }
    }
    return true;
}

std::shared_ptr<const ColourTransform> makeTransform(const ColourProfile& profile, Layout layout)
{
    const Profile source = openProfile(profile);
    if (!source) {
        return nullptr;
    }
    const cmsProfileClassSignature kind = cmsGetDeviceClass(source.get());
    const cmsUInt32Number input = inputFormat(cmsGetColorSpace(source.get()), layout);
    if (input == 0 || kind == cmsSigLinkClass || kind == cmsSigAbstractClass
        || kind == cmsSigNamedColorClass) {
        return nullptr;
    }
    const cmsUInt32Number output = outputFormat(layout);
    // Without its one-pixel cache a transform may run on several threads at once.
    cmsUInt32Number flags = cmsFLAGS_NOCACHE;
    if (T_EXTRA(input) == T_EXTRA(output) && T_EXTRA(input) > 0) {
        flags |= cmsFLAGS_COPY_ALPHA;
    }
    const Profile srgb(cmsCreate_sRGBProfile());
    cmsHTRANSFORM handle
        = cmsCreateTransform(source.get(), input, srgb.get(), output, INTENT_PERCEPTUAL, flags);
    if (!handle) {
        return nullptr;
    }
    auto transform = std::make_shared<const ColourTransform>(handle);
    return amountsToIdentity(*transform, layout) ? nullptr : transform;
}

// Transforms by layout and profile, including the null ones, so that a broken profile is read once.
class TransformCache
{
public:
    std::shared_ptr<const ColourTransform> find(const ColourProfile& profile, Layout layout)
    {
        const QByteArray key = char(layout) + profile.key();
        const std::lock_guard lock(m_mutex);
        if (const auto found = m_transforms.find(key); found != m_transforms.end()) {
            return found->second;
        }
        // A board holds at most a few dozen profiles; a stream of distinct ones starts over.
        if (m_transforms.size() >= maximumEntries) {
            m_transforms.clear();
        }
        return m_transforms[key] = makeTransform(profile, layout);
    }

private:
    static constexpr std::size_t maximumEntries = 64;
    std::mutex m_mutex;
    std::map<QByteArray, std::shared_ptr<const ColourTransform>> m_transforms;
};

} // namespace

ColourTransform::ColourTransform(void* transform)
    : m_transform(transform)
{ }

ColourTransform::~ColourTransform()
{
    cmsDeleteTransform(m_transform);
}

void ColourTransform::convert(const void* input, void* output, int pixelCount) const
{
    cmsDoTransform(m_transform, input, output, cmsUInt32Number(pixelCount));
}

std::shared_ptr<const ColourTransform> ColourTransform::toSrgb(const ColourProfile& profile, Layout layout)
{
    if (profile.isSrgb()) {
        return nullptr;
    }
    static TransformCache cache;
    return cache.find(profile, layout);
}

void ColourTransform::convertToSrgb(QImage& image, const ColourProfile& profile)
{
    Layout layout = Layout::rgb32;
    switch (image.format()) {
    case QImage::Format_RGB32:
        break;
    case QImage::Format_RGB888:
        layout = Layout::rgb888;
        break;
    case QImage::Format_ARGB32_Premultiplied:
        layout = Layout::premultiplied;
        break;
    default:
        return;
    }
    const std::shared_ptr<const ColourTransform> transform = toSrgb(profile, layout);
    if (!transform) {
        return;
    }
    for (int y = 0; y < image.height(); ++y) {
        uchar* row = image.scanLine(y);
        transform->convert(row, row, image.width());
    }
}
