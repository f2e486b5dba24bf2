#include "io/ImageDecoder.h"
#include "support/TestImageEncoders.h"
#include "support/TestImages.h"

#include <array>
#include <cstring>
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
const Quadrants greys { QColor(174, 174, 174), QColor(140, 140, 140), QColor(60, 60, 60),
    QColor(190, 190, 190) };

// The upright picture; a grey one holds greys.
QImage uprightPicture(QImage::Format format = QImage::Format_RGB32)
{
    return TestImages::quadrants(pictureSize, format == QImage::Format_Grayscale8 ? greys : uprightColours)
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
    QList<Photo> rows {
        { "PNG", TestImages::png(picture), png, 1, plain, 0 },
        { "TIFF, first of two pages", TestImages::tiff({ picture, blue }), tiff, 1, plain, 0 },
        { "GIF, first of three frames", TestImages::gif({ picture, blue, blue }), gif, 1, plain, 0 },
        { "BMP", TestImages::bmp(picture), bmp, 1, plain, 0 },
        { "HEIC", TestImages::heic(picture), heic, 1, plain, 4 },
        { "HEIF", TestImages::heif(picture), heif, 1, plain, 4 },
        { "HEIC RGBA", TestImages::heic(uprightPicture(QImage::Format_ARGB32)), heic, 1, plain, 4 },
        { "TIFF orientation 6", TestImages::tiff({ storedPicture(6) }, 6), tiff, 6, plain, 0 },
        { "TIFF orientation 3", TestImages::tiff({ storedPicture(3) }, 3), tiff, 3, plain, 0 },
        { "PNG eXIf 8", TestImages::png(storedPicture(8), 8), png, 8, plain, 0 },
        { "PNG big-endian eXIf 8", TestImages::png(storedPicture(8), 8, true), png, 8, plain, 0 },
        { "HEIC irot 6", TestImages::heic(storedPicture(6), 6), heic, 1, plain, 4 },
        { "PNG grey", TestImages::png(uprightPicture(QImage::Format_Grayscale8)), png, 1, greys, 0 },
        { "PNG 16-bit", TestImages::png(picture.convertToFormat(QImage::Format_RGBX64)), png, 1, plain, 0 },
        { "PNG interlaced", Encoders::png(picture, { {}, 0, {}, true }), png, 1, plain, 0 },
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

// A Truevision TGA 1.0 of 4 × 2 pixels of `type` and `depth`, with its pixels.
QByteArray targa(int type, int depth)
{
    QByteArray bytes = QByteArray::fromHex("0000") + char(type) + QByteArray(9, '\0');
    bytes += QByteArray::fromHex("04000200") + char(depth) + char(0);
    return bytes + QByteArray(4 * 2 * (depth / 8), '\x40');
}

// A one-page TIFF whose samples are IEEE floats (SampleFormat 3): classic little-endian with one
// entry, or big-endian BigTIFF with three inline values.
QByteArray floatTiff(bool bigTiff)
{
    return QByteArray::fromHex(bigTiff ? "4d4d002b0008000000000000000000100000000000000001"
                                         "01530003000000000000000300030003000300000000000000000000"
                                       : "49492a0008000000010053010300010000000300000000000000");
}

// A GIF whose only frame claims 4 × 4 pixels while its LZW data ends after the first one.
QByteArray gifWithShortFrameData()
{
    return "GIF89a" + QByteArray::fromHex("04000400800000000000ffffff2c00000000040004000002024401003b");
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
                    << drawn.pixelColor(centre).name().toStdString();
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

TEST(ImageDecoderTest, TellsContainersFromTheirBytes)
{
    // Images of kinds the program does not read are unsupported, never damaged; the rest is no image.
    const std::optional<Container> unsupported = Container::unsupported;
    const std::optional<Container> none;
    const std::tuple<const char*, QByteArray, std::optional<Container>> cases[] = {
        { "WebP", TestImages::webp(QSize(8, 8)), unsupported },
        { "ICO", QByteArray::fromHex("000001000100101000000000"), unsupported },
        { "PPM", "P6\n2 2\n255\n", unsupported },
        { "SVG", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"8\" height=\"8\"/>", unsupported },
        { "SVG after a declaration",
            "\xef\xbb\xbf<?xml version=\"1.0\"?>\n<!-- drawn -->\n<svg width=\"8\"/>", unsupported },
        { "TGA 2.0", targa(2, 24) + "TRUEVISION-XFILE." + QByteArray(1, '\0'), unsupported },
        { "TGA 1.0 grey", targa(3, 8), unsupported },
        { "TGA 1.0 run-length true colour", targa(10, 24), unsupported },
        { "FITS", QByteArray("SIMPLE  =                    T / conforms") + QByteArray(50, ' '),
            unsupported },
        { "TIFF of 32-bit floats", floatTiff(false), unsupported },
        { "big-endian BigTIFF of floats", floatTiff(true), unsupported },
        { "a web page with a drawing in it", "<!DOCTYPE html><html><body><svg/></body></html>", none },
        { "TGA without its pixels", targa(3, 8).left(20), none },
        { "text", "This is plain text, not a picture.", none },
        { "nothing", QByteArray(), none },
        { "BM alone", "BM", none },
        { "AV1-coded HEIF", TestImages::heic(QSize(16, 16)).replace(8, 4, "avif"), unsupported },
        { "MP4 movie", QByteArray::fromHex("0000001866747970697366") + QByteArray(20, '\0'), none },
    };
    for (const auto& [name, bytes, expected] : cases) {
        EXPECT_EQ(ImageDecoder::detect(bytes), expected) << name;
    }
}

TEST(ImageDecoderTest, AveragesAreasWhenShrinking)
{
    // Alternating black and white columns average to mid grey; a plain shrink by sampling
    // would give pure black or white.
    QImage stripes(400, 100, QImage::Format_Mono);
    stripes.setColorTable({ qRgb(0, 0, 0), qRgb(255, 255, 255) });
    std::memset(stripes.bits(), 0x55, std::size_t(stripes.sizeInBytes()));
    stripes.convertTo(QImage::Format_RGB32);
    for (const QByteArray& bytes :
        { TestImages::png(stripes), TestImages::bmp(stripes), TestImages::tiff(QList<QImage> { stripes }) }) {
        const QImage decoded = ImageDecoder::decodeUpright(bytes, 40);
        ASSERT_EQ(decoded.size(), QSize(40, 10));
        EXPECT_NEAR(qRed(decoded.pixel(20, 5)), 128, 2);
    }
}

TEST(ImageDecoderTest, RefusesDamagedAndOversizedImagesBeforeDecoding)
{
    const QByteArray jpeg = TestImages::jpeg(TestImages::photograph(QSize(640, 480)));
    const QByteArray png = TestImages::png(TestImages::photograph(QSize(200, 200)));
    const QByteArray tiff = TestImages::tiff(QList<QImage> { TestImages::photograph(QSize(200, 200)) });
    const QByteArray heic = TestImages::heic(QSize(64, 64));
    const QByteArray gif = TestImages::gif(QList<QImage> { TestImages::photograph(QSize(200, 200)) });
    const QByteArray bmp = TestImages::bmp(TestImages::photograph(QSize(200, 200)));
    const std::tuple<const char*, QByteArray, bool> damaged[] = {
        { "JPEG cut in half", jpeg.left(jpeg.size() / 2), false },
        { "JPEG without its final marker", jpeg.left(jpeg.size() - 2), true },
        { "PNG cut in half", png.left(png.size() / 2), false },
        { "TIFF cut in half", tiff.left(tiff.size() / 2), false },
        { "HEIC cut in half", heic.left(heic.size() / 2), false },
        { "BMP cut in half", bmp.left(bmp.size() / 2), false },
        { "GIF cut in half", gif.left(gif.size() / 2), false },
        { "GIF cut inside its colour table", gif.left(100), false },
        { "GIF cut inside its last data block", gif.left(gif.size() - 40), false },
        { "GIF whose frame data ends early", gifWithShortFrameData(), false },
        { "GIF without its trailer", gif.left(gif.size() - 1), true },
    };
    for (const auto& [name, bytes, decodes] : damaged) {
        ASSERT_NE(ImageDecoder::detect(bytes), Container::unsupported) << name;
        EXPECT_EQ(ImageDecoder::decodeUpright(bytes, 100).isNull(), !decodes) << name;
    }
    EXPECT_FALSE(ImageDecoder::probe("\x89PNG\r\n\x1a\nnonsense"));
    EXPECT_TRUE(ImageDecoder::decodeUpright(png, 0).isNull());

    // A header alone claims this size; no pixels exist, so a decode attempt would fail loudly under
    // the sanitizer if anything were allocated for it. The limits' texts are the importer's.
    EXPECT_TRUE(ImageDecoder::decodeUpright(TestImages::pngHeaderOnly(QSize(100000, 100000)), 1024).isNull());
}
