#include "io/DownsamplingThread.h"
#include "io/AreaDownsampler.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

std::vector<QRgb> noise(QSize size)
{
    std::mt19937 random(11);
    std::vector<QRgb> pixels(std::size_t(size.width()) * std::size_t(size.height()));
    for (QRgb& pixel : pixels) {
        pixel = 0xff000000u | (random() & 0xffffffu);
    }
    return pixels;
}

// Writes `rows` rows of `pixels` through the thread, as a decoder does.
void feed(DownsamplingThread& averaging, const std::vector<QRgb>& pixels, int width, int rows)
{
    for (int y = 0; y < rows; ++y) {
        std::copy_n(pixels.data() + std::size_t(y) * std::size_t(width), width, averaging.nextRow());
        averaging.rowWritten();
    }
}

} // namespace

TEST(DownsamplingThreadTest, GivesTheSamePictureAsAddingEveryRowInline)
{
    // The large picture goes through the second thread and ends in a part-filled batch; the small
    // one is averaged on the calling thread.
    const QSize large(1100, 1000);
    ASSERT_GE(qint64(large.width()) * large.height(), DownsamplingThread::threadedPixels);
    ASSERT_NE(large.height() % DownsamplingThread::batchRows, 0);
    for (const auto& [input, output] :
        { std::pair { large, QSize(300, 273) }, std::pair { QSize(50, 40), QSize(7, 6) } }) {
        const std::vector<QRgb> pixels = noise(input);
        AreaDownsampler direct(input, output, true, QImage::Format_RGB888);
        for (int y = 0; y < input.height(); ++y) {
            direct.addRow(pixels.data() + std::size_t(y) * std::size_t(input.width()));
        }
        AreaDownsampler threaded(input, output, true, QImage::Format_RGB888);
        {
            DownsamplingThread averaging(threaded);
            feed(averaging, pixels, input.width(), input.height());
            averaging.finish();
        }
        ASSERT_FALSE(direct.result().isNull());
        EXPECT_EQ(threaded.result(), direct.result()) << input.width() << "x" << input.height();
    }
}

TEST(DownsamplingThreadTest, StopsCleanlyWhenTheDecoderGivesUpHalfWay)
{
    const QSize input(1100, 1000);
    const std::vector<QRgb> pixels = noise(input);
    AreaDownsampler downsampler(input, QSize(300, 273), true);
    {
        DownsamplingThread averaging(downsampler);
        feed(averaging, pixels, input.width(), 500);
        // A damaged file: the decoder returns without finish().
    }
    EXPECT_TRUE(downsampler.result().isNull());
}
