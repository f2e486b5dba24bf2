#include "render/PngEncoder.h"

#include <gtest/gtest.h>

TEST(PngEncoder, StoresStraightAlphaAndTheDensity)
{
    QImage straight(3, 2, QImage::Format_RGBA8888);
    const QColor colours[] = { QColor(255, 0, 0, 255), QColor(200, 100, 50, 128), QColor(10, 220, 90, 30),
        QColor(0, 0, 0, 0), QColor(255, 255, 255, 255), QColor(90, 180, 240, 200) };
    for (int index = 0; index < 6; ++index) {
        straight.setPixelColor(index % 3, index / 3, colours[index]);
    }
    const QImage premultiplied = straight.convertToFormat(QImage::Format_RGBA8888_Premultiplied);

    const std::optional<QByteArray> png = PngEncoder::encode(premultiplied);
    ASSERT_TRUE(png.has_value());
    const QImage decoded = QImage::fromData(*png, "PNG").convertToFormat(QImage::Format_RGBA8888);
    ASSERT_EQ(decoded.size(), QSize(3, 2));
    EXPECT_EQ(decoded.dotsPerMeterX(), 5669);
    for (int index = 0; index < 6; ++index) {
        const QColor actual = decoded.pixelColor(index % 3, index / 3);
        const QColor& expected = colours[index];
        SCOPED_TRACE(index);
        EXPECT_EQ(actual.alpha(), expected.alpha());
        if (expected.alpha() == 0) {
            continue;
        }
        // Premultiplying loses precision at low alpha; the encoder must not lose more.
        const int tolerance = 255 / expected.alpha() + 1;
        EXPECT_NEAR(actual.red(), expected.red(), tolerance);
        EXPECT_NEAR(actual.green(), expected.green(), tolerance);
        EXPECT_NEAR(actual.blue(), expected.blue(), tolerance);
    }
}

TEST(PngEncoder, ConvertsOtherFormatsAndRefusesNothingToEncode)
{
    QImage rgb(64, 40, QImage::Format_RGB32);
    rgb.fill(QColor(12, 34, 56));
    const std::optional<QByteArray> png = PngEncoder::encode(rgb, 3780, 9);
    ASSERT_TRUE(png.has_value());
    const QImage decoded = QImage::fromData(*png, "PNG");
    EXPECT_EQ(decoded.pixelColor(63, 39), QColor(12, 34, 56));
    EXPECT_EQ(decoded.dotsPerMeterY(), 3780);
    EXPECT_FALSE(PngEncoder::encode(QImage()).has_value());
}
