#include "io/ImageDecoder.h"
#include "support/TestImageEncoders.h"
#include "support/TestImages.h"

#include <array>
#include <gtest/gtest.h>
#include <QFile>
#include <QtConcurrent/QtConcurrentMap>
#include <string>
#include <tuple>

namespace {

using Container = ImageDecoder::Container;

struct Sample
{
    const char* name;
    Container container;
    QByteArray bytes;
};

// Every supported container holding the same 300 × 200 quadrant picture.
QList<Sample> quadrantSamples()
{
    const QImage picture = TestImages::quadrants(QSize(300, 200));
    return { { "png", Container::png, TestImages::png(picture) },
        { "jpeg", Container::jpeg, TestImages::jpeg(picture) },
        { "tiff", Container::tiff, TestImages::tiff(QList<QImage> { picture }) },
        { "gif", Container::gif, TestImages::gif(QList<QImage> { picture }) },
        { "bmp", Container::bmp, TestImages::bmp(picture) },
        { "heic", Container::heic, TestImages::heic(picture) },
        { "heif", Container::heif, TestImages::heif(picture) } };
}

// Top left, top right, bottom left, bottom right, checked near the corners so that resampling
// along the edges between the quadrants does not matter.
using Corners = std::array<QColor, 4>;
const Corners uprightCorners { Qt::red, Qt::green, Qt::blue, Qt::yellow };

void expectCorners(const QImage& image, const Corners& corners, const std::string& what)
{
    ASSERT_FALSE(image.isNull()) << what;
    const int left = image.width() / 8;
    const int top = image.height() / 8;
    const QPoint points[] = { { left, top }, { image.width() - 1 - left, top },
        { left, image.height() - 1 - top }, { image.width() - 1 - left, image.height() - 1 - top } };
    for (std::size_t corner = 0; corner < 4; ++corner) {
        EXPECT_TRUE(TestImages::colourNear(image, points[corner], corners[corner]))
            << what << " corner " << corner;
    }
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

TEST(ImageDecoderTest, TellsContainersFromTheirBytes)
{
    for (const Sample& sample : quadrantSamples()) {
        EXPECT_EQ(ImageDecoder::detect(sample.bytes), sample.container) << sample.name;
    }
    // Images of kinds the program does not read are unsupported, never damaged; the rest is no image.
    const std::optional<Container> unsupported = Container::unsupported;
    const std::optional<Container> none;
    const struct
    {
        const char* name;
        QByteArray bytes;
        std::optional<Container> expected;
    } cases[] = {
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
        { "MP4 movie", QByteArray::fromHex("0000001866747970697366") + QByteArray(20, '\0'), none },
    };
    for (const auto& entry : cases) {
        EXPECT_EQ(ImageDecoder::detect(entry.bytes), entry.expected) << entry.name;
    }
    // AV1-coded HEIF.
    using Codec = TestImageEncoders::Codec;
    if (TestImageEncoders::canEncode(Codec::av1)) {
        const QByteArray avif
            = TestImageEncoders::heif(TestImages::solid(QSize(16, 16), Qt::red), Codec::av1, 1);
        EXPECT_EQ(ImageDecoder::detect(avif), Container::unsupported);
    }
}

TEST(ImageDecoderTest, ProbesSizeWithoutDecodingAndDecodesEveryContainerUpright)
{
    for (const Sample& sample : quadrantSamples()) {
        const std::optional<ImageDecoder::Probe> probe = ImageDecoder::probe(sample.bytes);
        ASSERT_TRUE(probe) << sample.name;
        EXPECT_EQ(probe->container, sample.container) << sample.name;
        EXPECT_EQ(probe->storedSize, QSize(300, 200)) << sample.name;
        EXPECT_EQ(probe->orientation, 1) << sample.name;

        const QImage full = ImageDecoder::decodeUpright(sample.bytes, 1024);
        EXPECT_EQ(full.size(), QSize(300, 200)) << sample.name << ": never enlarged";
        EXPECT_EQ(full.format(), QImage::Format_RGB32) << sample.name;
        expectCorners(full, uprightCorners, sample.name);
        const QImage small = ImageDecoder::decodeUpright(sample.bytes, 60);
        EXPECT_EQ(small.size(), QSize(60, 40)) << sample.name;
        expectCorners(small, uprightCorners, sample.name);
    }
    EXPECT_TRUE(ImageDecoder::decodeUpright(TestImages::png(QSize(10, 10)), 0).isNull());
}

TEST(ImageDecoderTest, AppliesEveryExifOrientationOfAJpeg)
{
    // Each stored picture is what a camera held that way would write; upright it must show the
    // quadrants in their usual places.
    const QImage upright = TestImages::quadrants(QSize(160, 120));
    const QTransform turns[] = {
        QTransform(),
        QTransform().scale(-1, 1),
        QTransform().rotate(180),
        QTransform().scale(1, -1),
        QTransform().rotate(-90).scale(-1, 1),
        QTransform().rotate(-90),
        QTransform().rotate(90).scale(-1, 1),
        QTransform().rotate(90),
    };
    for (int orientation = 1; orientation <= 8; ++orientation) {
        const QImage stored = upright.transformed(turns[orientation - 1]);
        const QByteArray jpeg = TestImages::jpeg(stored, orientation);
        const std::optional<ImageDecoder::Probe> probe = ImageDecoder::probe(jpeg);
        ASSERT_TRUE(probe);
        EXPECT_EQ(probe->orientation, orientation);
        EXPECT_EQ(probe->storedSize, stored.size());
        EXPECT_EQ(probe->uprightSize(), QSize(160, 120));
        // Three-byte rows of an odd width carry padding at their ends.
        for (const auto& [format, side, size] : { std::tuple { QImage::Format_RGB32, 80, QSize(80, 60) },
                 std::tuple { QImage::Format_RGB888, 81, QSize(81, 61) } }) {
            const QImage decoded = ImageDecoder::decodeUpright(jpeg, side, format);
            EXPECT_EQ(decoded.format(), format) << orientation;
            EXPECT_EQ(decoded.size(), size) << orientation;
            expectCorners(decoded, uprightCorners, "orientation " + std::to_string(orientation));
        }
    }
}

TEST(ImageDecoderTest, ReadsOrientationFromTiffTagsPngExifAndHeifTransforms)
{
    const QImage stored = TestImages::quadrants(QSize(120, 80));
    // A quarter turn clockwise takes the stored top left (red) to the top right.
    const Corners quarterTurn { Qt::blue, Qt::red, Qt::yellow, Qt::green };
    const std::tuple<const char*, QByteArray, QSize, Corners> cases[] = {
        { "tiff 6", TestImages::tiff(QList<QImage> { stored }, 6), QSize(80, 120), quarterTurn },
        { "tiff 3", TestImages::tiff(QList<QImage> { stored }, 3), QSize(120, 80),
            { Qt::yellow, Qt::blue, Qt::green, Qt::red } },
        { "png 8", TestImages::png(stored, 8), QSize(80, 120), { Qt::green, Qt::yellow, Qt::red, Qt::blue } },
        { "png 8, big-endian Exif", TestImages::png(stored, 8, true), QSize(80, 120),
            { Qt::green, Qt::yellow, Qt::red, Qt::blue } },
        { "heic 6", TestImages::heic(stored, 6), QSize(80, 120), quarterTurn },
    };
    for (const auto& [name, bytes, size, corners] : cases) {
        const std::optional<ImageDecoder::Probe> probe = ImageDecoder::probe(bytes);
        ASSERT_TRUE(probe) << name;
        EXPECT_EQ(probe->uprightSize(), size) << name;
        const QImage decoded = ImageDecoder::decodeUpright(bytes, 500);
        EXPECT_EQ(decoded.size(), size) << name;
        expectCorners(decoded, corners, name);
    }
}

TEST(ImageDecoderTest, UsesTheFirstFrameOfAnimationsAndPages)
{
    const QImage first = TestImages::solid(QSize(40, 30), Qt::red);
    const QImage second = TestImages::solid(QSize(40, 30), Qt::blue);
    const QByteArray gif = TestImages::gif(QList<QImage> { first, second, second });
    const QByteArray tiff
        = TestImages::tiff(QList<QImage> { first, TestImages::solid(QSize(90, 90), Qt::blue) });
    for (const QByteArray& bytes : { gif, tiff }) {
        const QImage decoded = ImageDecoder::decodeUpright(bytes, 100);
        EXPECT_EQ(decoded.size(), QSize(40, 30));
        EXPECT_TRUE(TestImages::colourNear(decoded, { 20, 15 }, Qt::red, 2));
    }
}

TEST(ImageDecoderTest, AveragesAreasWhenShrinking)
{
    // Alternating black and white columns average to mid grey; a plain shrink by sampling
    // would give pure black or white.
    QImage stripes(400, 100, QImage::Format_RGB32);
    for (int x = 0; x < 400; ++x) {
        for (int y = 0; y < 100; ++y) {
            stripes.setPixel(x, y, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        }
    }
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
    const struct
    {
        const char* name;
        QByteArray bytes;
        bool decodes;
    } cases[] = {
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
    for (const auto& entry : cases) {
        ASSERT_NE(ImageDecoder::detect(entry.bytes), Container::unsupported) << entry.name;
        EXPECT_EQ(ImageDecoder::decodeUpright(entry.bytes, 100).isNull(), !entry.decodes) << entry.name;
    }
    EXPECT_FALSE(ImageDecoder::probe("\x89PNG\r\n\x1a\nnonsense"));

    // Headers alone claim these sizes; no pixels exist, so a decode attempt would fail loudly
    // under the sanitizer if anything were allocated for them.
    for (const QSize size : { QSize(32769, 1), QSize(10001, 10000), QSize(100000, 100000) }) {
        const QByteArray header = TestImages::pngHeaderOnly(size);
        ASSERT_EQ(ImageDecoder::probe(header)->storedSize, size);
        EXPECT_FALSE(ImageDecoder::withinPixelLimits(size));
        EXPECT_TRUE(ImageDecoder::decodeUpright(header, 1024).isNull());
    }
    EXPECT_TRUE(ImageDecoder::withinPixelLimits(QSize(32768, 3000)));
    EXPECT_TRUE(ImageDecoder::withinPixelLimits(QSize(10000, 10000)));
}

TEST(ImageDecoderTest, DecodesConcurrentlyWithTheSameResults)
{
    QList<QByteArray> inputs;
    for (const Sample& sample : quadrantSamples()) {
        inputs.append(sample.bytes);
        inputs.append(sample.bytes);
    }
    // Tagged photos share one cached colour transform.
    QFile profile(QStringLiteral("/usr/share/color/icc/colord/AdobeRGB1998.icc"));
    ASSERT_TRUE(profile.open(QIODevice::ReadOnly)) << "run scripts/setup.sh";
    const QByteArray tagged
        = TestImageEncoders::jpeg(TestImages::quadrants(QSize(300, 200)), profile.readAll());
    for (int copy = 0; copy < 6; ++copy) {
        inputs.append(tagged);
    }
    const QList<QImage> together = QtConcurrent::blockingMapped(
        inputs, [](const QByteArray& bytes) { return ImageDecoder::decodeUpright(bytes, 77); });
    for (qsizetype index = 0; index < inputs.size(); ++index) {
        EXPECT_EQ(together[index], ImageDecoder::decodeUpright(inputs[index], 77)) << index;
    }
}
