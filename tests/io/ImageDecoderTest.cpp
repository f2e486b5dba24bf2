#include "io/ImageDecoder.h"
#include "support/TestImageEncoders.h"
#include "support/TestImages.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QtConcurrent/QtConcurrentMap>
#include <tuple>
#include <zlib.h>

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
    QList<Sample> samples {
        { "png", Container::png, TestImages::png(picture) },
        { "jpeg", Container::jpeg, TestImages::jpeg(picture) },
        { "tiff", Container::tiff, TestImages::tiff(QList<QImage> { picture }) },
        { "gif", Container::gif, TestImages::gif(QList<QImage> { picture }) },
        { "bmp", Container::bmp, TestImages::bmp(picture) },
        { "heic", Container::heic, TestImages::heic(picture) },
        { "heif", Container::heif, TestImages::heif(picture) },
    };
    return samples;
}

// Red top-left, green top-right, blue bottom-left, yellow bottom-right, checked near the
// corners so that resampling at the edges between quadrants does not matter.
void expectQuadrants(const QImage& image, QColor topLeft, QColor topRight, QColor bottomLeft,
    QColor bottomRight, const char* what)
{
    ASSERT_FALSE(image.isNull()) << what;
    const int right = image.width() - 1 - image.width() / 8;
    const int bottom = image.height() - 1 - image.height() / 8;
    const int left = image.width() / 8;
    const int top = image.height() / 8;
    EXPECT_TRUE(TestImages::colourNear(image, { left, top }, topLeft)) << what << " top left";
    EXPECT_TRUE(TestImages::colourNear(image, { right, top }, topRight)) << what << " top right";
    EXPECT_TRUE(TestImages::colourNear(image, { left, bottom }, bottomLeft)) << what << " bottom left";
    EXPECT_TRUE(TestImages::colourNear(image, { right, bottom }, bottomRight)) << what << " bottom right";
}

// A PNG with an extra chunk inserted right after IHDR.
QByteArray withChunk(const QByteArray& png, const QByteArray& type, const QByteArray& payload)
{
    QByteArray chunk;
    const quint32 length = quint32(payload.size());
    chunk.append(char(length >> 24))
        .append(char(length >> 16))
        .append(char(length >> 8))
        .append(char(length));
    const QByteArray body = type + payload;
    chunk.append(body);
    const quint32 crc
        = quint32(crc32(0, reinterpret_cast<const Bytef*>(body.constData()), uInt(body.size())));
    chunk.append(char(crc >> 24)).append(char(crc >> 16)).append(char(crc >> 8)).append(char(crc));
    QByteArray result = png;
    result.insert(8 + 25, chunk);
    return result;
}

QByteArray exifWithOrientation(int orientation, bool bigEndian)
{
    QByteArray tiff = bigEndian ? QByteArray::fromHex("4d4d002a00000008"
                                                      "0001"
                                                      "0112"
                                                      "0003"
                                                      "00000001")
                                : QByteArray::fromHex("49492a0008000000"
                                                      "0100"
                                                      "1201"
                                                      "0300"
                                                      "01000000");
    const char value[4]
        = { bigEndian ? char(0) : char(orientation), bigEndian ? char(orientation) : char(0), 0, 0 };
    tiff.append(value, 4);
    tiff.append(QByteArray(4, '\0')); // no further directory
    return tiff;
}

// A Truevision TGA 1.0 of 4 × 2 pixels of `type` and `depth`, with its pixels.
QByteArray targa(int type, int depth)
{
    QByteArray bytes = QByteArray::fromHex("0000") + char(type) + QByteArray(9, '\0');
    bytes += QByteArray::fromHex("04000200") + char(depth) + char(0);
    return bytes + QByteArray(4 * 2 * (depth / 8), '\x40');
}

// A one-page TIFF whose samples are IEEE floats (SampleFormat 3), classic or BigTIFF.
QByteArray floatTiff(bool bigTiff)
{
    if (!bigTiff) {
        // Little-endian, first directory at 8: one entry, SampleFormat SHORT 1 = 3.
        return QByteArray::fromHex("49492a0008000000"
                                   "0100"
                                   "5301"
                                   "0300"
                                   "01000000"
                                   "03000000"
                                   "00000000");
    }
    // Big-endian BigTIFF, directory at 16: one entry, SampleFormat SHORT 3 = 3, 3, 3 (inline).
    return QByteArray::fromHex("4d4d002b00080000"
                               "0000000000000010"
                               "0000000000000001"
                               "0153"
                               "0003"
                               "0000000000000003"
                               "0003000300030000"
                               "0000000000000000");
}

} // namespace

TEST(ImageDecoderTest, TellsContainersFromTheirBytes)
{
    for (const Sample& sample : quadrantSamples()) {
        EXPECT_EQ(ImageDecoder::detect(sample.bytes), sample.container) << sample.name;
    }
    // Images of kinds the program does not read: refused as unsupported, never as damaged.
    const struct
    {
        const char* name;
        QByteArray bytes;
    } unsupported[] = {
        { "WebP", TestImages::webp(QSize(8, 8)) },
        { "ICO", QByteArray::fromHex("000001000100101000000000") },
        { "PPM", "P6\n2 2\n255\n" },
        { "SVG", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"8\" height=\"8\"/>" },
        { "SVG after a declaration",
            "\xef\xbb\xbf<?xml version=\"1.0\"?>\n<!-- drawn -->\n<svg width=\"8\"/>" },
        { "TGA 2.0", targa(2, 24) + "TRUEVISION-XFILE." + QByteArray(1, '\0') },
        { "TGA 1.0 grey", targa(3, 8) },
        { "TGA 1.0 run-length true colour", targa(10, 24) },
        { "FITS", QByteArray("SIMPLE  =                    T / conforms") + QByteArray(50, ' ') },
        { "TIFF of 32-bit floats", floatTiff(false) },
        { "big-endian BigTIFF of floats", floatTiff(true) },
    };
    for (const auto& entry : unsupported) {
        EXPECT_EQ(ImageDecoder::detect(entry.bytes), Container::unsupported) << entry.name;
    }
    EXPECT_EQ(ImageDecoder::detect("<html><body>not an image</body></html>"), std::nullopt);
    EXPECT_EQ(ImageDecoder::detect(targa(3, 8).left(20)), std::nullopt) << "pixels missing";
    if (TestImages::canEncodeAvif()) {
        EXPECT_EQ(ImageDecoder::detect(TestImages::avif(QSize(16, 16))), Container::unsupported);
    }
    EXPECT_EQ(ImageDecoder::detect("This is plain text, not a picture."), std::nullopt);
    EXPECT_EQ(ImageDecoder::detect(QByteArray()), std::nullopt);
    EXPECT_EQ(ImageDecoder::detect("BM"), std::nullopt);
    // An MP4 movie is an ISO media file but no image.
    EXPECT_EQ(ImageDecoder::detect(QByteArray::fromHex("0000001866747970697366") + QByteArray(20, '\0')),
        std::nullopt);

    EXPECT_EQ(ImageDecoder::typeIdentifier(Container::heic), "public.heic");
    EXPECT_EQ(ImageDecoder::typeIdentifier(Container::gif), "com.compuserve.gif");
    EXPECT_EQ(ImageDecoder::typeIdentifier(Container::unsupported), QString());
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
        expectQuadrants(full, Qt::red, Qt::green, Qt::blue, Qt::yellow, sample.name);
        EXPECT_EQ(full.format(), QImage::Format_RGB32) << sample.name;

        const QImage small = ImageDecoder::decodeUpright(sample.bytes, 60);
        EXPECT_EQ(small.size(), QSize(60, 40)) << sample.name;
        expectQuadrants(small, Qt::red, Qt::green, Qt::blue, Qt::yellow, sample.name);
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
            expectQuadrants(decoded, Qt::red, Qt::green, Qt::blue, Qt::yellow, "orientation");
        }
    }
}

TEST(ImageDecoderTest, ReadsOrientationFromTiffTagsPngExifAndHeifTransforms)
{
    const QImage stored = TestImages::quadrants(QSize(120, 80));
    const QByteArray tiff = TestImages::tiff(QList<QImage> { stored }, 6);
    ASSERT_EQ(ImageDecoder::probe(tiff)->orientation, 6);
    // Turned a quarter clockwise: the stored top-left (red) ends at the top right.
    expectQuadrants(
        ImageDecoder::decodeUpright(tiff, 500), Qt::blue, Qt::red, Qt::yellow, Qt::green, "tiff 6");
    const QByteArray tiffHalfTurn = TestImages::tiff(QList<QImage> { stored }, 3);
    expectQuadrants(
        ImageDecoder::decodeUpright(tiffHalfTurn, 500), Qt::yellow, Qt::blue, Qt::green, Qt::red, "tiff 3");

    for (const bool bigEndian : { false, true }) {
        const QByteArray png = withChunk(TestImages::png(stored), "eXIf", exifWithOrientation(8, bigEndian));
        ASSERT_EQ(ImageDecoder::probe(png)->orientation, 8);
        const QImage decoded = ImageDecoder::decodeUpright(png, 500);
        EXPECT_EQ(decoded.size(), QSize(80, 120));
        expectQuadrants(decoded, Qt::green, Qt::yellow, Qt::red, Qt::blue, "png 8");
    }

    const QByteArray heic = TestImages::heic(stored, 6);
    const std::optional<ImageDecoder::Probe> probe = ImageDecoder::probe(heic);
    ASSERT_TRUE(probe);
    EXPECT_EQ(probe->uprightSize(), QSize(80, 120));
    expectQuadrants(
        ImageDecoder::decodeUpright(heic, 500), Qt::blue, Qt::red, Qt::yellow, Qt::green, "heic 6");
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

TEST(ImageDecoderTest, KeepsTransparencyPremultiplied)
{
    QImage picture(64, 64, QImage::Format_ARGB32);
    picture.fill(QColor(255, 0, 0, 128));
    const QImage decoded = ImageDecoder::decodeUpright(TestImages::png(picture), 16);
    ASSERT_EQ(decoded.format(), QImage::Format_ARGB32_Premultiplied);
    const QRgb pixel = reinterpret_cast<const QRgb*>(decoded.constScanLine(8))[8];
    EXPECT_NEAR(qAlpha(pixel), 128, 1);
    EXPECT_NEAR(qRed(pixel), 128, 1);
    EXPECT_EQ(qGreen(pixel), 0);
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

// A GIF whose only frame claims 4 × 4 pixels while its LZW data ends after the first one.
QByteArray gifWithShortFrameData()
{
    return QByteArray("GIF89a")
        + QByteArray::fromHex("04000400"
                              "800000"
                              "000000ffffff")
        + QByteArray::fromHex("2c"
                              "00000000"
                              "04000400"
                              "00")
        + QByteArray::fromHex("02"
                              "024401"
                              "00"
                              "3b");
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

TEST(ImageDecoderTest, DecodesAPngFarBeyondQtsAllocationLimit)
{
    const QByteArray png = TestImages::largePng(QSize(32768, 3000));
    const QImage decoded = ImageDecoder::decodeUpright(png, 1024);
    ASSERT_EQ(decoded.size(), QSize(1024, 94));
    EXPECT_TRUE(TestImages::colourNear(decoded, { 500, 10 }, Qt::white, 2));
    EXPECT_TRUE(TestImages::colourNear(decoded, { 500, 85 }, Qt::black, 2));
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
