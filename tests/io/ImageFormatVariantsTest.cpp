#include "io/AreaDownsampler.h"
#include "io/DownsamplingThread.h"
#include "io/ExifOrientation.h"
#include "io/ImageDecoder.h"
#include "support/TestImageEncoders.h"
#include "support/TestImages.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <tuple>
#include <utility>
#include <vector>

namespace {

QRgb pixelAt(const QImage& image, int x, int y)
{
    return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x];
}

} // namespace

// Bitmap layouts that Qt's writer does not make and a PNG palette with a clear entry, each to
// the exact (premultiplied) colours.
TEST(ImageFormatVariantsTest, BitmapAndPngLayoutsDecodeToTheirColours)
{
    QImage indexed(8, 8, QImage::Format_Indexed8);
    indexed.setColorTable({ qRgba(255, 0, 0, 255), qRgba(0, 0, 255, 0) });
    indexed.fill(0);
    indexed.setPixel(7, 7, 1);
    const QRgb red = qRgb(255, 0, 0);
    const QRgb white = qRgb(255, 255, 255);
    const std::tuple<const char*, QByteArray, QList<std::pair<QPoint, QRgb>>> cases[] = {
        // Top-down (negative height) ARGB: red, clear, half blue, green.
        { "32-bit bit fields with alpha",
            TestImageEncoders::bmp(QSize(2, -2), 32, 6, { 0x00ff0000, 0x0000ff00, 0x000000ff, 0xff000000 },
                {}, QByteArray::fromHex("0000ffff00000000ff00008000ff00ff")),
            { { { 0, 0 }, red }, { { 1, 0 }, 0 }, { { 0, 1 }, qRgba(0, 0, 128, 128) },
                { { 1, 1 }, qRgb(0, 255, 0) } } },
        // Bottom-up: the stored first row (1010...) is the bottom one.
        { "1-bit palette",
            TestImageEncoders::bmp(
                QSize(8, 2), 1, 0, {}, { qRgb(0, 0, 0), white }, QByteArray::fromHex("aa000000ff000000")),
            { { { 1, 0 }, white }, { { 0, 1 }, white }, { { 1, 1 }, qRgb(0, 0, 0) } } },
        { "16-bit 5-5-5", TestImageEncoders::bmp(QSize(1, 1), 16, 0, {}, {}, QByteArray::fromHex("007c0000")),
            { { { 0, 0 }, red } } },
        { "palette PNG with a clear entry", TestImages::png(indexed),
            { { { 0, 0 }, red }, { { 7, 7 }, 0 } } },
    };
    for (const auto& [name, bytes, pixels] : cases) {
        const QImage decoded = ImageDecoder::decodeUpright(bytes, 16);
        for (const auto& [point, colour] : pixels) {
            ASSERT_TRUE(decoded.valid(point)) << name;
            EXPECT_EQ(pixelAt(decoded, point.x(), point.y()), colour) << name << " at " << point.x();
        }
    }
}

// Each output pixel against the mean of the input area it covers, worked out directly in doubles:
// every channel on its own, for opaque results in both layouts and for premultiplied ones.
TEST(AreaDownsamplerTest, MatchesAnExactAreaAverageInEveryChannel)
{
    std::mt19937 random(7);
    for (const auto& [input, output] :
        { std::pair { QSize(37, 23), QSize(10, 7) }, std::pair { QSize(101, 3), QSize(7, 2) },
            std::pair { QSize(16, 16), QSize(5, 16) }, std::pair { QSize(9, 5), QSize(9, 5) },
            std::pair { QSize(3, 1), QSize(2, 1) }, std::pair { QSize(1, 3), QSize(1, 2) } }) {
        for (const bool opaque : { true, false }) {
            std::vector<QRgb> pixels;
            for (int index = 0; index < input.width() * input.height(); ++index) {
                const int alpha = opaque ? 255 : int(random() % 256);
                const auto channel = [&] { return int(random() % quint32(alpha + 1)); };
                pixels.push_back(qRgba(channel(), channel(), channel(), alpha));
            }
            const auto expected = [&](int outputX, int outputY, int shift) {
                const double scaleX = double(input.width()) / output.width();
                const double scaleY = double(input.height()) / output.height();
                double sum = 0;
                for (int y = 0; y < input.height(); ++y) {
                    const double coverY
                        = std::min(y + 1.0, (outputY + 1) * scaleY) - std::max(double(y), outputY * scaleY);
                    for (int x = 0; x < input.width() && coverY > 0; ++x) {
                        const double coverX = std::min(x + 1.0, (outputX + 1) * scaleX)
                            - std::max(double(x), outputX * scaleX);
                        if (coverX > 0) {
                            sum += coverX * coverY * ((pixels[y * input.width() + x] >> shift) & 0xff);
                        }
                    }
                }
                return sum / (scaleX * scaleY);
            };
            const QList<QImage::Format> formats = opaque
                ? QList<QImage::Format> { QImage::Format_RGB32, QImage::Format_RGB888 }
                : QList<QImage::Format> { QImage::Format_ARGB32_Premultiplied };
            for (const QImage::Format format : formats) {
                AreaDownsampler downsampler(input, output, opaque, format);
                for (int y = 0; y < input.height(); ++y) {
                    ASSERT_TRUE(downsampler.result().isNull()) << "no result before the last row";
                    downsampler.addRow(pixels.data() + y * input.width());
                }
                const QImage result = downsampler.result();
                ASSERT_EQ(result.format(), format);
                ASSERT_EQ(result.size(), output);
                for (int y = 0; y < output.height(); ++y) {
                    for (int x = 0; x < output.width(); ++x) {
                        const QRgb value
                            = format == QImage::Format_RGB888 ? result.pixel(x, y) : pixelAt(result, x, y);
                        for (const int shift : { 0, 8, 16, 24 }) {
                            EXPECT_NEAR(int((value >> shift) & 0xff), expected(x, y, shift), 0.51)
                                << format << " at " << x << "," << y << " bits " << shift;
                        }
                    }
                }
            }
        }
    }
}

TEST(ExifOrientationTest, FallsBackToUprightOnAnythingMalformed)
{
    const QByteArray valid = TestImages::exif(6);
    // An orientation of 9, a LONG type, a directory beyond the end, and 65,535 entries of which
    // the first is still whole.
    const std::tuple<int, QByteArray, int> changes[]
        = { { 18, "\x09", 1 }, { 12, "\x04", 1 }, { 4, "\x7f", 1 }, { 8, "\xff\xff", 6 } };
    for (const auto& [offset, bytes, expected] : changes) {
        EXPECT_EQ(ExifOrientation::fromExif(QByteArray(valid).replace(offset, bytes.size(), bytes)), expected)
            << offset;
    }
    EXPECT_EQ(ExifOrientation::fromExif(QByteArray("Exif\0\0", 6) + valid), 6);
    EXPECT_EQ(ExifOrientation::fromExif(valid.left(16)), 1) << "entry cut off";
    EXPECT_EQ(ExifOrientation::fromExif(QByteArray("MM\0*", 4)), 1);
    EXPECT_EQ(ExifOrientation::fromExif({}), 1);
}

// Qt's reader refuses frames over its default allocation limit (about 33 megapixels); a 40
// megapixel run-length bitmap is well within the program's own limits.
TEST(ImageFormatVariantsTest, DecodesRunLengthBitmapsBeyondQtsDefaultAllocationLimit)
{
    const int width = 8000;
    const int height = 5000;
    QByteArray runs;
    for (int storedRow = 0; storedRow < height; ++storedRow) {
        // Stored bottom row first: black below, red above.
        const char index = storedRow < height / 2 ? 0 : 1;
        for (int x = 0; x < width; x += 250) {
            runs.append(char(250));
            runs.append(index);
        }
        runs.append(QByteArray::fromHex("0000")); // end of line
    }
    runs.append(QByteArray::fromHex("0001")); // end of bitmap
    const QImage image = ImageDecoder::decodeUpright(
        TestImageEncoders::bmp(QSize(width, height), 8, 1, {}, { qRgb(0, 0, 0), qRgb(255, 0, 0) }, runs),
        100);
    ASSERT_EQ(image.size(), QSize(100, 63));
    EXPECT_EQ(pixelAt(image, 50, 5), qRgb(255, 0, 0));
    EXPECT_EQ(pixelAt(image, 50, 58), qRgb(0, 0, 0));
}

// The large picture goes through the second thread and ends in a part-filled batch; the small
// one is averaged on the calling thread. A decoder that gives up half-way leaves no picture.
TEST(DownsamplingThreadTest, GivesTheSamePictureAsAddingEveryRowInline)
{
    const QSize large(1100, 1000);
    ASSERT_GE(qint64(large.width()) * large.height(), DownsamplingThread::threadedPixels);
    ASSERT_NE(large.height() % DownsamplingThread::batchRows, 0);
    for (const auto& [input, output] :
        { std::pair { large, QSize(300, 273) }, std::pair { QSize(50, 40), QSize(7, 6) } }) {
        std::mt19937 random(11);
        std::vector<QRgb> pixels(std::size_t(input.width()) * std::size_t(input.height()));
        std::generate(pixels.begin(), pixels.end(), [&] { return 0xff000000u | (random() & 0xffffffu); });
        const auto row = [&](int y) { return pixels.data() + std::size_t(y) * std::size_t(input.width()); };
        // The first `rows` rows written through the thread, as a decoder does.
        const auto threaded = [&](int rows) {
            AreaDownsampler downsampler(input, output, true, QImage::Format_RGB888);
            {
                DownsamplingThread averaging(downsampler);
                for (int y = 0; y < rows; ++y) {
                    std::copy_n(row(y), input.width(), averaging.nextRow());
                    averaging.rowWritten();
                }
                if (rows == input.height()) {
                    averaging.finish();
                }
            }
            return downsampler.result();
        };
        AreaDownsampler direct(input, output, true, QImage::Format_RGB888);
        for (int y = 0; y < input.height(); ++y) {
            direct.addRow(row(y));
        }
        ASSERT_FALSE(direct.result().isNull());
        EXPECT_EQ(threaded(input.height()), direct.result()) << input.width();
        EXPECT_TRUE(threaded(input.height() / 2).isNull()) << input.width();
    }
}
