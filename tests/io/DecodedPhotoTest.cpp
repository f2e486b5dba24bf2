#include "io/ImageDecoder.h"
#include "support/TestImageEncoders.h"
#include "support/TestImages.h"

#include <array>
#include <gtest/gtest.h>
#include <lcms2.h>
#include <memory>
#include <QFile>
#include <QtConcurrent/QtConcurrentMap>
#include <tuple>

namespace {

using Container = ImageDecoder::Container;
using Encoders = TestImageEncoders;
using Inks = Encoders::Inks;
using Quadrants = std::array<QColor, 4>;

// Top-left, top-right, bottom-left, bottom-right of the upright picture: four colours far enough
// apart to tell all eight orientations apart. The first is what a Display P3 photo's sky-lit wall
// holds; drawn raw it looks washed out.
const Quadrants uprightColours { QColor(219, 174, 75), QColor(60, 140, 210), QColor(200, 60, 70),
    QColor(100, 190, 110) };
constexpr std::array<Inks, 4> storedInks { Inks { 20, 90, 220, 10 }, Inks { 200, 80, 0, 0 },
    Inks { 0, 210, 170, 20 }, Inks { 150, 0, 190, 30 } };
const QSize pictureSize(128, 96);

// Each colour's green value as a grey level.
Quadrants greys()
{
    Quadrants colours = uprightColours;
    for (QColor& colour : colours) {
        colour = QColor(colour.green(), colour.green(), colour.green());
    }
    return colours;
}

// The upright picture; a grey one holds greys().
QImage uprightPicture(QImage::Format format = QImage::Format_RGB32)
{
    return TestImages::quadrants(pictureSize, format == QImage::Format_Grayscale8 ? greys() : uprightColours)
        .convertToFormat(format);
}

// What a camera held with `orientation` stores for the upright picture.
QImage storedPicture(int orientation)
{
    const QTransform turns[] = { QTransform(), QTransform().scale(-1, 1), QTransform().rotate(180),
        QTransform().scale(1, -1), QTransform().rotate(-90).scale(-1, 1), QTransform().rotate(-90),
        QTransform().rotate(90).scale(-1, 1), QTransform().rotate(90) };
    return uprightPicture().transformed(turns[orientation - 1]);
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

// A matrix-and-curve RGB profile with D65 white; a gamma of 0 is sRGB's curve.
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

QByteArray linearGrey()
{
    cmsToneCurve* line = cmsBuildGamma(nullptr, 1.0);
    const Profile profile(cmsCreateGrayProfile(cmsD50_xyY(), line), cmsCloseProfile);
    cmsFreeToneCurve(line);
    return saved(profile);
}

// Profiles that Debian ships; the set-up script installs their packages.
QByteArray installedProfile(const char* path)
{
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << path << " is missing: run scripts/setup.sh";
    }
    return file.readAll();
}

enum class Stored { rgb, cmyk, grey };

// Little CMS's own conversion of the stored values (RGB, CMYK inks or grey levels) to sRGB.
Quadrants transformed(const QByteArray& iccProfile, Stored stored = Stored::rgb)
{
    const Profile source(
        cmsOpenProfileFromMem(iccProfile.constData(), cmsUInt32Number(iccProfile.size())), cmsCloseProfile);
    const Profile srgb(cmsCreate_sRGBProfile(), cmsCloseProfile);
    const cmsUInt32Number input
        = stored == Stored::cmyk ? TYPE_CMYK_8 : (stored == Stored::grey ? TYPE_GRAY_8 : TYPE_RGB_8);
    cmsHTRANSFORM transform
        = cmsCreateTransform(source.get(), input, srgb.get(), TYPE_RGB_8, INTENT_PERCEPTUAL, 0);
    Quadrants result;
    for (std::size_t quadrant = 0; quadrant < 4; ++quadrant) {
        const QColor colour = uprightColours[quadrant];
        const uchar rgb[3] = { uchar(colour.red()), uchar(colour.green()), uchar(colour.blue()) };
        const uchar* pixel
            = stored == Stored::cmyk ? storedInks[quadrant].data() : (stored == Stored::grey ? rgb + 1 : rgb);
        uchar out[3] = {};
        cmsDoTransform(transform, pixel, out, 1);
        result[quadrant] = QColor(out[0], out[1], out[2]);
    }
    cmsDeleteTransform(transform);
    return result;
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
    return Encoders::bmp(bgr.size(), 24, 0, {}, {}, pixels, iccProfile);
}

struct Photo
{
    QString name;
    QByteArray bytes;
    Container container;
    // As the probe reports it: HEIF files come turned by libheif, so always 1.
    int orientation;
    Quadrants expected;
    int tolerance;
};

// Every container, orientation, layout and colour description, all of the same upright picture.
QList<Photo> photos()
{
    using enum Container;
    const QImage picture = uprightPicture();
    const QImage blue = TestImages::solid(QSize(90, 90), Qt::blue);
    const QByteArray p3
        = rgbProfile({ { 0.680, 0.320, 1.0 }, { 0.265, 0.690, 1.0 }, { 0.150, 0.060, 1.0 } }, 0);
    const QByteArray adobe = installedProfile("/usr/share/color/icc/colord/AdobeRGB1998.icc");
    const QByteArray proPhoto = installedProfile("/usr/share/color/icc/colord/ProPhotoRGB.icc");
    const QByteArray swop = installedProfile("/usr/share/color/icc/ghostscript/default_cmyk.icc");
    const QByteArray grey = linearGrey();
    // A header that promises more than follows: Little CMS cannot open it.
    const QByteArray broken = adobe.left(200);
    const Quadrants plain = uprightColours;
    // Without a profile the inverted inks are multiplied out.
    Quadrants multiplied;
    for (std::size_t quadrant = 0; quadrant < 4; ++quadrant) {
        const auto ink = [&](std::size_t channel) {
            return (255 - storedInks[quadrant][channel]) * (255 - storedInks[quadrant][3]) / 255;
        };
        multiplied[quadrant] = QColor(ink(0), ink(1), ink(2));
    }
    const auto tiffWith = [&](const QByteArray& profile) { return Encoders::tiff({ picture }, 1, profile); };
    const auto heicWith
        = [&](const Encoders::HeifColour& colour) { return Encoders::heif(picture, 1, colour); };
    Encoders::PngColour adam7;
    adam7.interlaced = true;
    QList<Photo> rows {
        { "PNG", TestImages::png(picture), png, 1, plain, 0 },
        { "TIFF, first of two pages", TestImages::tiff({ picture, blue }), tiff, 1, plain, 0 },
        { "GIF, first of three frames", TestImages::gif({ picture, blue, blue }), gif, 1, plain, 0 },
        { "BMP", TestImages::bmp(picture), bmp, 1, plain, 0 },
        { "HEIC", TestImages::heic(picture), heic, 1, plain, 4 },
        { "HEIF", TestImages::heif(picture), heif, 1, plain, 4 },
        { "TIFF orientation 6", TestImages::tiff({ storedPicture(6) }, 6), tiff, 6, plain, 0 },
        { "TIFF orientation 3", TestImages::tiff({ storedPicture(3) }, 3), tiff, 3, plain, 0 },
        { "PNG eXIf 8", TestImages::png(storedPicture(8), 8), png, 8, plain, 0 },
        { "PNG big-endian eXIf 8", TestImages::png(storedPicture(8), 8, true), png, 8, plain, 0 },
        { "HEIC irot 6", TestImages::heic(storedPicture(6), 6), heic, 1, plain, 4 },
        { "PNG grey", TestImages::png(uprightPicture(QImage::Format_Grayscale8)), png, 1, greys(), 0 },
        { "PNG 16-bit", TestImages::png(picture.convertToFormat(QImage::Format_RGBX64)), png, 1, plain, 0 },
        { "PNG interlaced", Encoders::png(picture, adam7), png, 1, plain, 0 },
        { "JPEG Adobe CMYK", Encoders::cmykJpeg(pictureSize, storedInks), jpeg, 1, multiplied, 2 },
        // Tagged: against Little CMS's transform of the stored values.
        { "JPEG Display P3", Encoders::jpeg(picture, p3), jpeg, 1, transformed(p3), 2 },
        { "JPEG ProPhoto RGB (D50)", Encoders::jpeg(picture, proPhoto), jpeg, 1, transformed(proPhoto), 2 },
        { "JPEG broken profile", Encoders::jpeg(picture, broken), jpeg, 1, plain, 2 },
        { "JPEG CMYK SWOP", Encoders::cmykJpeg(pictureSize, storedInks, swop), jpeg, 1,
            transformed(swop, Stored::cmyk), 2 },
        { "PNG Display P3", Encoders::png(picture, { p3 }), png, 1, transformed(p3), 2 },
        { "PNG RGBA Display P3", Encoders::png(uprightPicture(QImage::Format_ARGB32), { p3 }), png, 1,
            transformed(p3), 2 },
        { "PNG grey linear", Encoders::png(uprightPicture(QImage::Format_Grayscale8), { grey }), png, 1,
            transformed(grey, Stored::grey), 2 },
        { "PNG gAMA 1.0", Encoders::png(picture, { {}, 1.0 }), png, 1,
            transformed(rgbProfile({ { 0.64, 0.33, 1.0 }, { 0.30, 0.60, 1.0 }, { 0.15, 0.06, 1.0 } }, 1.0)),
            2 },
        { "PNG gAMA 1/2.2, sRGB cHRM",
            Encoders::png(picture, { {}, 1 / 2.2, { 0.3127, 0.3290, 0.64, 0.33, 0.30, 0.60, 0.15, 0.06 } }),
            png, 1, plain, 2 },
        { "TIFF Display P3", tiffWith(p3), tiff, 1, transformed(p3), 2 },
        { "TIFF broken profile", tiffWith(broken), tiff, 1, plain, 2 },
        { "TIFF CMYK profile (unusable)", tiffWith(swop), tiff, 1, plain, 2 },
        { "HEIC Display P3", heicWith({ p3 }), heic, 1, transformed(p3), 2 },
        { "HEIC nclx P3 (12, 13)", heicWith({ {}, 12, 13 }), heic, 1, transformed(p3), 2 },
        // BT.709, sRGB or unspecified: the coded values as they are.
        { "HEIC nclx sRGB (1, 13)", heicWith({ {}, 1, 13 }), heic, 1, plain, 2 },
        { "HEIC nclx BT.709 (1, 1)", heicWith({ {}, 1, 1 }), heic, 1, plain, 2 },
        { "HEIC nclx unspecified (2, 2)", heicWith({ {}, 2, 2 }), heic, 1, plain, 2 },
        { "BMP v5 Adobe RGB (1998)", bitmapWithProfile(picture, adobe), bmp, 1, transformed(adobe), 2 },
    };
    for (int orientation = 1; orientation <= 8; ++orientation) {
        rows.append({ QStringLiteral("JPEG orientation %1").arg(orientation),
            TestImages::jpeg(storedPicture(orientation), orientation), jpeg, orientation, plain, 6 });
    }
    return rows;
}

} // namespace

// Each photo is probed, then decoded at full size (never enlarged) and reduced in both opaque
// layouts, the odd width giving three-byte rows with padding: always upright and in sRGB.
TEST(DecodedPhoto, EveryFormatOrientationAndColourDescriptionDecodesUprightInSrgb)
{
    for (const Photo& photo : photos()) {
        SCOPED_TRACE(photo.name.toStdString());
        const std::optional<ImageDecoder::Probe> probe = ImageDecoder::probe(photo.bytes);
        ASSERT_TRUE(probe);
        EXPECT_EQ(probe->container, photo.container);
        EXPECT_EQ(probe->orientation, photo.orientation);
        EXPECT_EQ(probe->uprightSize(), pictureSize);
        for (const auto& [format, side, size] : { std::tuple { QImage::Format_RGB32, 1024, pictureSize },
                 std::tuple { QImage::Format_RGB888, 81, QSize(81, 61) },
                 std::tuple { QImage::Format_RGB32, 64, QSize(64, 48) } }) {
            const QImage drawn = ImageDecoder::decodeUpright(photo.bytes, side, format);
            ASSERT_EQ(drawn.size(), size);
            // Whatever its alpha holds, a picture with an alpha channel is premultiplied.
            EXPECT_EQ(
                drawn.format(), photo.name.contains("RGBA") ? QImage::Format_ARGB32_Premultiplied : format);
            for (std::size_t quadrant = 0; quadrant < 4; ++quadrant) {
                const QPoint centre(int(quadrant % 2 * 2 + 1) * size.width() / 4,
                    int(quadrant / 2 * 2 + 1) * size.height() / 4);
                EXPECT_TRUE(TestImages::colourNear(drawn, centre, photo.expected[quadrant], photo.tolerance))
                    << "quadrant " << quadrant << " at " << side << ": "
                    << drawn.pixelColor(centre).name().toStdString() << " for "
                    << photo.expected[quadrant].name().toStdString();
            }
        }
    }
}

// Tagged photos share one cached colour transform.
TEST(DecodedPhoto, DecodesConcurrentlyWithTheSameResults)
{
    QList<QByteArray> inputs;
    for (const Photo& photo : photos()) {
        inputs << photo.bytes << photo.bytes;
    }
    const QList<QImage> together = QtConcurrent::blockingMapped(
        inputs, [](const QByteArray& bytes) { return ImageDecoder::decodeUpright(bytes, 77); });
    for (qsizetype index = 0; index < inputs.size(); ++index) {
        EXPECT_EQ(together[index], ImageDecoder::decodeUpright(inputs[index], 77)) << index;
    }
}
