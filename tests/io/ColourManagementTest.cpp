#include "io/ImageDecoder.h"
#include "support/TestImageEncoders.h"
#include "support/TestImages.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <lcms2.h>
#include <memory>
#include <QFile>

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

QImage storedPicture(bool withAlpha = false)
{
    QImage picture(pictureSize, withAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            picture.setPixel(
                x, y, storedColours[std::size_t((y * 2 / picture.height()) * 2 + x * 2 / picture.width())]);
        }
    }
    return picture;
}

struct ProfileCloser
{
    void operator()(void* profile) const { cmsCloseProfile(profile); }
};
using Profile = std::unique_ptr<void, ProfileCloser>;

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
    const Profile profile(cmsCreateRGBProfile(&d65, &primaries, curves));
    cmsFreeToneCurve(curve);
    return saved(profile);
}

QByteArray displayP3()
{
    return rgbProfile({ { 0.680, 0.320, 1.0 }, { 0.265, 0.690, 1.0 }, { 0.150, 0.060, 1.0 } }, 0);
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

// Little CMS's own conversion of the stored values (RGB, or CMYK inks) to sRGB.
std::array<Colour, 4> transformed(const QByteArray& iccProfile, bool cmyk)
{
    const Profile source(cmsOpenProfileFromMem(iccProfile.constData(), cmsUInt32Number(iccProfile.size())));
    const Profile srgb(cmsCreate_sRGBProfile());
    cmsHTRANSFORM transform = cmsCreateTransform(
        source.get(), cmyk ? TYPE_CMYK_8 : TYPE_RGB_8, srgb.get(), TYPE_RGB_8, INTENT_PERCEPTUAL, 0);
    std::array<Colour, 4> result {};
    for (std::size_t quadrant = 0; quadrant < 4; ++quadrant) {
        const QRgb stored = storedColours[quadrant];
        const uchar rgb[3] = { uchar(qRed(stored)), uchar(qGreen(stored)), uchar(qBlue(stored)) };
        uchar out[3] = {};
        cmsDoTransform(transform, cmyk ? storedInks[quadrant].data() : rgb, out, 1);
        result[quadrant] = { double(out[0]), double(out[1]), double(out[2]) };
    }
    cmsDeleteTransform(transform);
    return result;
}

std::array<Colour, 4> unchanged()
{
    std::array<Colour, 4> result {};
    for (std::size_t quadrant = 0; quadrant < 4; ++quadrant) {
        const QRgb stored = storedColours[quadrant];
        result[quadrant] = { double(qRed(stored)), double(qGreen(stored)), double(qBlue(stored)) };
    }
    return result;
}

// The mean colour of each quadrant, leaving out a band along the edges between them.
std::array<Colour, 4> quadrantMeans(const QImage& image)
{
    std::array<Colour, 4> means {};
    const int halfWidth = image.width() / 2;
    const int halfHeight = image.height() / 2;
    const int margin = 3;
    for (std::size_t quadrant = 0; quadrant < 4; ++quadrant) {
        const int left = int(quadrant % 2) * halfWidth;
        const int top = int(quadrant / 2) * halfHeight;
        double count = 0;
        for (int y = top + margin; y < top + halfHeight - margin; ++y) {
            for (int x = left + margin; x < left + halfWidth - margin; ++x) {
                const QRgb pixel = image.pixel(x, y);
                means[quadrant][0] += qRed(pixel);
                means[quadrant][1] += qGreen(pixel);
                means[quadrant][2] += qBlue(pixel);
                ++count;
            }
        }
        for (double& channel : means[quadrant]) {
            channel /= count;
        }
    }
    return means;
}

void appendLittleEndian(QByteArray& bytes, quint32 value, int size)
{
    for (int index = 0; index < size; ++index) {
        bytes.append(char((value >> (8 * index)) & 0xff));
    }
}

// A 24-bit bitmap with a version 5 header whose profile is embedded after the pixels.
QByteArray bitmapWithProfile(const QImage& picture, const QByteArray& iccProfile)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    const quint32 stride = (quint32(rgb.width()) * 3 + 3) / 4 * 4;
    const quint32 pixelBytes = stride * quint32(rgb.height());
    const quint32 pixelOffset = 14 + 124;
    QByteArray bytes("BM");
    appendLittleEndian(bytes, pixelOffset + pixelBytes + quint32(iccProfile.size()), 4);
    appendLittleEndian(bytes, 0, 4);
    appendLittleEndian(bytes, pixelOffset, 4);
    QByteArray header;
    for (const quint32 value : { 124u, quint32(rgb.width()), quint32(rgb.height()) }) {
        appendLittleEndian(header, value, 4);
    }
    appendLittleEndian(header, 1, 2);
    appendLittleEndian(header, 24, 2);
    header.append(QByteArray(56 - header.size(), '\0'));
    appendLittleEndian(header, 0x4d424544, 4); // 'MBED'
    header.append(QByteArray(112 - header.size(), '\0'));
    appendLittleEndian(header, 124 + pixelBytes, 4); // from the header's start
    appendLittleEndian(header, quint32(iccProfile.size()), 4);
    appendLittleEndian(header, 0, 4);
    bytes.append(header);
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const uchar* row = rgb.constScanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            bytes.append(char(row[x * 3 + 2])).append(char(row[x * 3 + 1])).append(char(row[x * 3]));
        }
        bytes.append(QByteArray(int(stride) - rgb.width() * 3, '\0'));
    }
    return bytes + iccProfile;
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
    const QByteArray srgb = installedProfile("/usr/share/color/icc/colord/sRGB.icc");
    const QByteArray swop = installedProfile("/usr/share/color/icc/ghostscript/default_cmyk.icc");
    const auto tiff
        = [&](const QByteArray& profile) { return TestImageEncoders::tiff({ picture }, 1, profile); };
    const auto heic = [&](const TestImageEncoders::HeifColour& colour) {
        return TestImageEncoders::heif(picture, TestImageEncoders::Codec::hevc, 1, colour);
    };
    return {
        { "JPEG", "Display P3", TestImageEncoders::jpeg(picture, p3), transformed(p3, false) },
        { "JPEG", "Adobe RGB (1998)", TestImageEncoders::jpeg(picture, adobe), transformed(adobe, false) },
        { "JPEG", "ProPhoto RGB", TestImageEncoders::jpeg(picture, proPhoto), transformed(proPhoto, false) },
        { "JPEG", "sRGB (colord)", TestImageEncoders::jpeg(picture, srgb), transformed(srgb, false) },
        { "JPEG", "broken profile", TestImageEncoders::jpeg(picture, brokenProfile()), unchanged() },
        { "JPEG CMYK", "SWOP (Ghostscript)", TestImageEncoders::cmykJpeg(pictureSize, storedInks, swop),
            transformed(swop, true) },
        { "PNG", "Display P3", TestImageEncoders::png(picture, { p3 }), transformed(p3, false) },
        { "PNG", "Adobe RGB (1998)", TestImageEncoders::png(picture, { adobe }), transformed(adobe, false) },
        { "PNG", "ProPhoto RGB", TestImageEncoders::png(picture, { proPhoto }),
            transformed(proPhoto, false) },
        { "PNG RGBA", "Display P3", TestImageEncoders::png(storedPicture(true), { p3 }),
            transformed(p3, false) },
        { "PNG", "gAMA 1.0 (linear)", TestImageEncoders::png(picture, { {}, 1.0 }),
            transformed(linearSrgb(), false) },
        { "PNG", "gAMA 1/2.2, sRGB cHRM",
            TestImageEncoders::png(
                picture, { {}, 1 / 2.2, { 0.3127, 0.3290, 0.64, 0.33, 0.30, 0.60, 0.15, 0.06 } }),
            unchanged() },
        { "TIFF", "Display P3", tiff(p3), transformed(p3, false) },
        { "TIFF", "Adobe RGB (1998)", tiff(adobe), transformed(adobe, false) },
        { "TIFF", "ProPhoto RGB", tiff(proPhoto), transformed(proPhoto, false) },
        { "TIFF", "broken profile", tiff(brokenProfile()), unchanged() },
        { "TIFF", "CMYK profile (unusable)", tiff(swop), unchanged() },
        { "HEIC", "Display P3", heic({ p3 }), transformed(p3, false) },
        { "HEIC", "Adobe RGB (1998)", heic({ adobe }), transformed(adobe, false) },
        { "HEIC", "nclx P3 (12, 13)", heic({ {}, 12, 13 }), transformed(p3, false) },
        { "BMP v5", "Adobe RGB (1998)", bitmapWithProfile(picture, adobe), transformed(adobe, false) },
    };
}

void printRow(const char* format, const char* profile, std::size_t quadrant, const Colour& expected,
    const Colour& drawn, double difference)
{
    static constexpr const char* names[4] = { "top left", "top right", "bottom left", "bottom right" };
    std::printf("%-10s %-24s %-13s (%3.0f,%3.0f,%3.0f)  (%5.1f,%5.1f,%5.1f)  %4.1f\n", format, profile,
        names[quadrant], expected[0], expected[1], expected[2], drawn[0], drawn[1], drawn[2], difference);
}

} // namespace

// Every photo is drawn in sRGB: per quadrant, the mean of the decoded tile against Little CMS's
// transform of the stored values, in both layouts the decoder makes for opaque pictures.
TEST(ColourManagementTest, ConvertsEveryTaggedFormatToSrgbWithinTwoLevels)
{
    std::printf("%-10s %-24s %-13s %-15s  %-21s  %s\n", "format", "profile", "quadrant", "expected", "drawn",
        "difference");
    for (const ColourCase& row : colourCases()) {
        for (const QImage::Format format : { QImage::Format_RGB32, QImage::Format_RGB888 }) {
            const QImage drawn = ImageDecoder::decodeUpright(row.bytes, 64, format);
            ASSERT_EQ(drawn.size(), QSize(64, 48)) << row.format << " " << row.profile;
            const std::array<Colour, 4> means = quadrantMeans(drawn);
            for (std::size_t quadrant = 0; quadrant < 4; ++quadrant) {
                double difference = 0;
                for (std::size_t channel = 0; channel < 3; ++channel) {
                    difference = std::max(
                        difference, std::abs(means[quadrant][channel] - row.expected[quadrant][channel]));
                }
                if (format == QImage::Format_RGB32) {
                    printRow(row.format, row.profile, quadrant, row.expected[quadrant], means[quadrant],
                        difference);
                }
                EXPECT_LE(difference, 2.0)
                    << row.format << " " << row.profile << " quadrant " << quadrant << " format " << format;
            }
        }
    }
}

// nclx boxes that say BT.709 or sRGB, or leave it unspecified, change nothing: the same coded
// pixels decode to the same values as before colour management.
TEST(ColourManagementTest, DecodesHeicTaggedAsSrgbOrBt709Unchanged)
{
    const QImage picture = storedPicture();
    const struct
    {
        int primaries;
        int transfer;
    } tags[] = { { 1, 13 }, { 1, 1 }, { 2, 2 }, { 1, 6 } };
    QImage first;
    for (const auto& tag : tags) {
        const QImage drawn
            = ImageDecoder::decodeUpright(TestImageEncoders::heif(picture, TestImageEncoders::Codec::hevc, 1,
                                              { {}, tag.primaries, tag.transfer }),
                64);
        const std::array<Colour, 4> means = quadrantMeans(drawn);
        for (std::size_t quadrant = 0; quadrant < 4; ++quadrant) {
            for (std::size_t channel = 0; channel < 3; ++channel) {
                EXPECT_NEAR(means[quadrant][channel], unchanged()[quadrant][channel], 2.0)
                    << tag.primaries << "/" << tag.transfer << " quadrant " << quadrant;
            }
        }
        if (first.isNull()) {
            first = drawn;
        }
        EXPECT_EQ(drawn, first) << tag.primaries << "/" << tag.transfer;
    }
}
