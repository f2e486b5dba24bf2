#include "io/ImageDecoder.h"
#include "support/TestImages.h"

#include <gtest/gtest.h>

namespace {

using Container = ImageDecoder::Container;

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
        { "AV1-coded HEIF", TestImages::heic(QSize(16, 16)).replace(8, 4, "avif"), unsupported },
        { "MP4 movie", QByteArray::fromHex("0000001866747970697366") + QByteArray(20, '\0'), none },
    };
    for (const auto& entry : cases) {
        EXPECT_EQ(ImageDecoder::detect(entry.bytes), entry.expected) << entry.name;
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
    EXPECT_TRUE(ImageDecoder::decodeUpright(png, 0).isNull());

    // A header alone claims this size; no pixels exist, so a decode attempt would fail loudly under
    // the sanitizer if anything were allocated for it. The limits' texts are the importer's.
    EXPECT_TRUE(ImageDecoder::decodeUpright(TestImages::pngHeaderOnly(QSize(100000, 100000)), 1024).isNull());
}
