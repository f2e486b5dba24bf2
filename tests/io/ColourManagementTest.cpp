#include "io/ImageDecoder.h"
#include "support/TestImageEncoders.h"
#include "support/TestImages.h"

#include <array>
#include <gtest/gtest.h>
#include <lcms2.h>
#include <memory>
#include <QFile>
#include <utility>

namespace {

using Inks = TestImageEncoders::Inks;
using Colour = std::array<double, 3>;

// Top-left, top-right, bottom-left, bottom-right, as stored in the file. The first is what a
// Display P3 photo's sky-lit wall holds; drawn raw it looks washed out.
constexpr std::array<QRgb, 4> storedColours { qRgb(219, 174, 75), qRgb(60, 140, 210), qRgb(200, 60, 70),
    qRgb(100, 190, 110) };
constexpr std::array<Inks, 4> storedInks { Inks { 20, 90, 220, 10 }, Inks { 200, 80, 0, 0 },
    Inks { 0, 210, 170, 20 }, Inks { 150, 0, 190, 30 } };
const QSize pictureSize(128, 96);

// The stored colours in their quadrants; a grey picture holds each colour's green value.
QImage storedPicture(QImage::Format format = QImage::Format_RGB32)
{
    std::array<QColor, 4> colours;
    for (std::size_t quadrant = 0; quadrant < 4; ++quadrant) {
        const int green = qGreen(storedColours[quadrant]);
        colours[quadrant] = format == QImage::Format_Grayscale8 ? QColor(green, green, green)
                                                                : QColor(storedColours[quadrant]);
    }
    return TestImages::quadrants(pictureSize, colours).convertToFormat(format);
}

using Profile = std::unique_ptr<void, decltype(&cmsCloseProfile)>;

QByteArray saved(const Profile& profile)
{
    cmsUInt32Number size = 0;
    cmsSaveProfileToMem(profile.get(), nullptr, &size);
    QByteArray bytes(qsizetype(size), '\0');
    cmsSaveProfileToMem(profile.get(), bytes.data(), &size);
    return bytes;
}

// A matrix-and-curve RGB profile made by Little CMS: Display P3 is the P3 primaries with sRGB's
// white and curve.
QByteArray rgbProfile(const cmsCIExyYTRIPLE& primaries, double gamma)
{
    const cmsCIExyY d65 { 0.3127, 0.3290, 1.0 };
    const cmsFloat64Number srgbCurve[5] = { 2.4, 1.0 / 1.055, 0.055 / 1.055, 1.0 / 12.92, 0.04045 };
    cmsToneCurve* curve
        = gamma > 0 ? cmsBuildGamma(nullptr, gamma) : cmsBuildParametricToneCurve(nullptr, 4, srgbCurve);
    cmsToneCurve* curves[3] = { curve, curve, curve };
    const Profile profile(cmsCreateRGBProfile(&d65, &primaries, curves), cmsCloseProfile);
    cmsFreeToneCurve(curve);
    return saved(profile);
}

QByteArray displayP3()
{
    return rgbProfile({ { 0.680, 0.320, 1.0 }, { 0.265, 0.690, 1.0 }, { 0.150, 0.060, 1.0 } }, 0);
}

QByteArray linearGrey()
{
    cmsToneCurve* line = cmsBuildGamma(nullptr, 1.0);
    const Profile profile(cmsCreateGrayProfile(cmsD50_xyY(), line), cmsCloseProfile);
    cmsFreeToneCurve(line);
    return saved(profile);
}

QByteArray linearSrgb()
{
    return rgbProfile({ { 0.64, 0.33, 1.0 }, { 0.30, 0.60, 1.0 }, { 0.15, 0.06, 1.0 } }, 1.0);
}

// Profiles that Debian ships; the set-up script installs their packages.
QByteArray installedProfile(const char* path)
{
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << path << " is missing: run scripts/setup.sh";
        return {};
    }
    return file.readAll();
}

// A header that promises more than follows: Little CMS cannot open it.
QByteArray brokenProfile()
{
    return installedProfile("/usr/share/color/icc/colord/AdobeRGB1998.icc").left(200);
}

enum class Stored { rgb, cmyk, grey };

// Little CMS's own conversion of the stored values (RGB, CMYK inks or grey levels) to sRGB.
std::array<Colour, 4> transformed(const QByteArray& iccProfile, Stored stored = Stored::rgb)
{
    const bool cmyk = stored == Stored::cmyk;
    const Profile source(
        cmsOpenProfileFromMem(iccProfile.constData(), cmsUInt32Number(iccProfile.size())), cmsCloseProfile);
    const Profile srgb(cmsCreate_sRGBProfile(), cmsCloseProfile);
    const cmsUInt32Number input = cmyk ? TYPE_CMYK_8 : (stored == Stored::grey ? TYPE_GRAY_8 : TYPE_RGB_8);
    cmsHTRANSFORM transform
        = cmsCreateTransform(source.get(), input, srgb.get(), TYPE_RGB_8, INTENT_PERCEPTUAL, 0);
    std::array<Colour, 4> result {};
    for (std::size_t quadrant = 0; quadrant < 4; ++quadrant) {
        const QRgb value = storedColours[quadrant];
        const uchar rgb[3] = { uchar(qRed(value)), uchar(qGreen(value)), uchar(qBlue(value)) };
        const uchar* pixel = cmyk ? storedInks[quadrant].data() : (stored == Stored::grey ? rgb + 1 : rgb);
        uchar out[3] = {};
        cmsDoTransform(transform, pixel, out, 1);
        result[quadrant] = { double(out[0]), double(out[1]), double(out[2]) };
    }
    cmsDeleteTransform(transform);
    return result;
}

// Each quadrant's colour at its centre.
std::array<Colour, 4> quadrantColours(const QImage& image)
{
    std::array<Colour, 4> colours {};
    for (std::size_t quadrant = 0; quadrant < 4; ++quadrant) {
        const QColor pixel = image.pixelColor(
            int(quadrant % 2 * 2 + 1) * image.width() / 4, int(quadrant / 2 * 2 + 1) * image.height() / 4);
        colours[quadrant] = { double(pixel.red()), double(pixel.green()), double(pixel.blue()) };
    }
    return colours;
}

// A version 5 bitmap of 24-bit rows, bottom row first, with the profile after the pixels.
QByteArray bitmapWithProfile(const QImage& picture, const QByteArray& iccProfile)
{
    const QImage bgr = picture.convertToFormat(QImage::Format_BGR888).mirrored();
    QByteArray pixels;
    for (int y = 0; y < bgr.height(); ++y) {
        pixels.append(reinterpret_cast<const char*>(bgr.constScanLine(y)), bgr.width() * 3);
        pixels.append(QByteArray((4 - bgr.width() * 3 % 4) % 4, '\0'));
    }
    return TestImageEncoders::bmp(bgr.size(), 24, 0, {}, {}, pixels, iccProfile);
}

struct ColourCase
{
    const char* format;
    const char* profile;
    QByteArray bytes;
    std::array<Colour, 4> expected;
};

QList<ColourCase> colourCases()
{
    const QImage picture = storedPicture();
    const QByteArray p3 = displayP3();
    const QByteArray adobe = installedProfile("/usr/share/color/icc/colord/AdobeRGB1998.icc");
    const QByteArray proPhoto = installedProfile("/usr/share/color/icc/colord/ProPhotoRGB.icc");
    const QByteArray swop = installedProfile("/usr/share/color/icc/ghostscript/default_cmyk.icc");
    const QByteArray grey = linearGrey();
    // Little CMS's own sRGB to sRGB: the stored values unchanged.
    const std::array<Colour, 4> unchanged
        = transformed(saved(Profile(cmsCreate_sRGBProfile(), cmsCloseProfile)));
    const auto tiff
        = [&](const QByteArray& profile) { return TestImageEncoders::tiff({ picture }, 1, profile); };
    const auto heic = [&](const TestImageEncoders::HeifColour& colour) {
        return TestImageEncoders::heif(picture, TestImageEncoders::Codec::hevc, 1, colour);
    };
    return {
        { "JPEG", "Display P3", TestImageEncoders::jpeg(picture, p3), transformed(p3) },
        { "JPEG", "ProPhoto RGB (D50)", TestImageEncoders::jpeg(picture, proPhoto), transformed(proPhoto) },
        { "JPEG", "broken profile", TestImageEncoders::jpeg(picture, brokenProfile()), unchanged },
        { "JPEG CMYK", "SWOP (Ghostscript)", TestImageEncoders::cmykJpeg(pictureSize, storedInks, swop),
            transformed(swop, Stored::cmyk) },
        { "PNG", "Display P3", TestImageEncoders::png(picture, { p3 }), transformed(p3) },
        { "PNG RGBA", "Display P3", TestImageEncoders::png(storedPicture(QImage::Format_ARGB32), { p3 }),
            transformed(p3) },
        { "PNG grey", "linear grey",
            TestImageEncoders::png(storedPicture(QImage::Format_Grayscale8), { grey }),
            transformed(grey, Stored::grey) },
        { "PNG", "gAMA 1.0 (linear)", TestImageEncoders::png(picture, { {}, 1.0 }),
            transformed(linearSrgb()) },
        { "PNG", "gAMA 1/2.2, sRGB cHRM",
            TestImageEncoders::png(
                picture, { {}, 1 / 2.2, { 0.3127, 0.3290, 0.64, 0.33, 0.30, 0.60, 0.15, 0.06 } }),
            unchanged },
        { "TIFF", "Display P3", tiff(p3), transformed(p3) },
        { "TIFF", "broken profile", tiff(brokenProfile()), unchanged },
        { "TIFF", "CMYK profile (unusable)", tiff(swop), unchanged },
        { "HEIC", "Display P3", heic({ p3 }), transformed(p3) },
        { "HEIC", "nclx P3 (12, 13)", heic({ {}, 12, 13 }), transformed(p3) },
        // BT.709, sRGB or unspecified: the coded values as they are.
        { "HEIC", "nclx sRGB (1, 13)", heic({ {}, 1, 13 }), unchanged },
        { "HEIC", "nclx BT.709 (1, 1)", heic({ {}, 1, 1 }), unchanged },
        { "HEIC", "nclx unspecified (2, 2)", heic({ {}, 2, 2 }), unchanged },
        { "BMP v5", "Adobe RGB (1998)", bitmapWithProfile(picture, adobe), transformed(adobe) },
    };
}

} // namespace

// Every photo is drawn in sRGB: per quadrant, the mean of the decoded tile against Little CMS's
// transform of the stored values.
TEST(ColourManagementTest, ConvertsEveryTaggedFormatToSrgbWithinTwoLevels)
{
    for (const ColourCase& row : colourCases()) {
        // Reduced in both opaque layouts, and at full size, where rows are copied, not averaged.
        for (const auto& [format, side] : { std::pair { QImage::Format_RGB32, 64 },
                 std::pair { QImage::Format_RGB888, 64 }, std::pair { QImage::Format_RGB32, 128 } }) {
            const QImage drawn = ImageDecoder::decodeUpright(row.bytes, side, format);
            ASSERT_EQ(drawn.size(), pictureSize * side / 128) << row.format << " " << row.profile;
            const std::array<Colour, 4> means = quadrantColours(drawn);
            for (std::size_t quadrant = 0; quadrant < 4; ++quadrant) {
                double difference = 0;
                for (std::size_t channel = 0; channel < 3; ++channel) {
                    difference = std::max(
                        difference, std::abs(means[quadrant][channel] - row.expected[quadrant][channel]));
                }
                EXPECT_LE(difference, 2.0)
                    << row.format << " " << row.profile << " quadrant " << quadrant << " format " << format;
            }
        }
    }
}
