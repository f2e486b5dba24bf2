#include "render/BoardLayout.h"
#include "render/BoardRenderer.h"
#include "RenderFixtures.h"

#include <gtest/gtest.h>
#include <QBuffer>
#include <QImageReader>
#include <thread>

using RenderFixtures::near;
using RenderFixtures::pixel;

namespace {
const QColor lightCanvas = QColor::fromRgbF(0.97f, 0.97f, 0.98f);
const QColor lightWell = QColor::fromRgbF(0.91f, 0.91f, 0.91f);
const QColor darkCanvas = QColor::fromRgbF(0.105f, 0.115f, 0.13f);
const QColor darkWell = QColor::fromRgbF(0.17f, 0.17f, 0.17f);

BoardSettings photoSettings(PhotoFit fit)
{
    BoardSettings settings = RenderFixtures::exampleSettings();
    settings.photoFit = fit;
    settings.showNumbers = false;
    return settings;
}

// Pixels that differ from `background` inside rect.
int inkPixels(const QImage& image, const QRectF& rect, QColor background)
{
    int count = 0;
    const QRect area = rect.toAlignedRect() & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += near(image.pixelColor(x, y), background, 2) ? 0 : 1;
        }
    }
    return count;
}

// Leftmost and rightmost dark pixel of a row between two columns.
std::pair<int, int> darkExtent(const QImage& image, int y, int fromX, int toX)
{
    int left = -1;
    int right = -1;
    for (int x = fromX; x < toX; ++x) {
        if (image.pixelColor(x, y).lightness() < 128) {
            left = left < 0 ? x : left;
            right = x;
        }
    }
    return { left, right };
}
} // namespace

TEST(BoardRendererPng, ExampleBoardIsTaggedRgbaAt144Dpi)
{
    const QList<BoardPhoto> photos
        = RenderFixtures::photos(10, RenderFixtures::solid(400, 300, Qt::darkCyan));
    const QByteArray png = BoardRenderer::pngData(photos, RenderFixtures::exampleSettings());

    ASSERT_TRUE(png.startsWith("\x89PNG\r\n\x1a\n"));
    EXPECT_EQ(png.mid(12, 4), QByteArray("IHDR"));
    EXPECT_EQ(uchar(png[24]), 8) << "8 bits per channel";
    EXPECT_EQ(uchar(png[25]), 6) << "colour type RGBA";
    EXPECT_TRUE(png.contains("sRGB"));
    EXPECT_TRUE(png.contains("pHYs"));

    const QImage image = QImage::fromData(png, "PNG");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(2400, 1725));
    EXPECT_EQ(image.dotsPerMeterX(), 5669);
    EXPECT_EQ(image.dotsPerMeterY(), 5669);
    EXPECT_TRUE(image.hasAlphaChannel());
    EXPECT_TRUE(near(pixel(image, 1, 1), lightCanvas, 1));
    EXPECT_TRUE(near(pixel(image, 2398, 1723), lightCanvas, 1));
}

TEST(BoardRendererPng, FitShowsTheWholePortraitWithTheWellBesideIt)
{
    const QList<BoardPhoto> photos { RenderFixtures::photo(
        RenderFixtures::bandedPortrait(300, 400), "tower.png") };
    const QImage image = RenderFixtures::renderedPng(photos, photoSettings(PhotoFit::fit));
    // Tile (48, 140, 558, 418.5); the photo is drawn in (170.0625, 140, 313.875, 418.5).
    EXPECT_TRUE(near(pixel(image, 100, 350), lightWell)) << "well to the left";
    EXPECT_TRUE(near(pixel(image, 560, 350), lightWell)) << "well to the right";
    EXPECT_TRUE(near(pixel(image, 327, 146), Qt::red)) << "the top band is visible";
    EXPECT_TRUE(near(pixel(image, 327, 349), Qt::green));
    EXPECT_TRUE(near(pixel(image, 327, 552), Qt::blue)) << "the bottom band is visible";
    EXPECT_TRUE(near(pixel(image, 20, 350), lightCanvas)) << "the padding stays the background";
    // Rounded corner: the tile's very corner pixel is background, one radius in is well.
    EXPECT_TRUE(near(pixel(image, 48, 140), lightCanvas, 12));
    EXPECT_TRUE(near(pixel(image, 48 + 12, 140 + 12), lightWell));
}

TEST(BoardRendererPng, FillShowsThePortraitsMiddleBand)
{
    const QList<BoardPhoto> photos { RenderFixtures::photo(
        RenderFixtures::bandedPortrait(300, 400), "tower.png") };
    const QImage image = RenderFixtures::renderedPng(photos, photoSettings(PhotoFit::fill));
    for (const QPointF point :
        { QPointF(327, 142), QPointF(327, 556), QPointF(52, 350), QPointF(603, 350) }) {
        EXPECT_TRUE(near(pixel(image, point.x(), point.y()), Qt::green))
            << point.x() << "," << point.y() << " is "
            << pixel(image, point.x(), point.y()).name().toStdString();
    }
    // The overhang is cut at the tile: above and below it is background and caption area.
    EXPECT_TRUE(near(pixel(image, 327, 135), lightCanvas));
    EXPECT_TRUE(near(pixel(image, 327, 562), lightCanvas));
}

TEST(BoardRendererPng, BadgesKeepTheirWidthAndShowTheNumber)
{
    BoardSettings settings = RenderFixtures::exampleSettings();
    settings.photoFit = PhotoFit::fill;
    const QList<BoardPhoto> photos = RenderFixtures::photos(10, RenderFixtures::solid(400, 300, Qt::white));
    const QImage image = RenderFixtures::renderedPng(photos, settings);
    const BoardLayout layout(10, settings);

    const QRectF first = layout.cells()[0].numberRect;
    const QRectF tenth = layout.cells()[9].numberRect;
    const auto firstExtent
        = darkExtent(image, int(first.center().y()), int(first.left()) - 5, int(first.right()) + 20);
    const auto tenthExtent
        = darkExtent(image, int(tenth.center().y()), int(tenth.left()) - 5, int(tenth.right()) + 20);
    EXPECT_NEAR(firstExtent.second - firstExtent.first + 1, 81, 1);
    EXPECT_EQ(tenthExtent.second - tenthExtent.first, firstExtent.second - firstExtent.first);
    EXPECT_EQ(firstExtent.first - int(first.left()), tenthExtent.first - int(tenth.left()));

    // The badge is black at 0.72 over the white photo; its digits are white.
    const QColor badge = pixel(image, first.left() + 8, first.center().y());
    EXPECT_NEAR(badge.red(), 71, 3);
    auto whitePixels = [&image](const QRectF& rect) {
        const QRectF inner = rect.adjusted(rect.height() / 2, 4, -rect.height() / 2, -4);
        return inkPixels(image, inner, QColor(71, 71, 71));
    };
    EXPECT_GT(whitePixels(first), 20) << "the number 1 is drawn";
    EXPECT_GT(whitePixels(tenth), whitePixels(first) + 20) << "10 has more ink than 1";

    settings.showNumbers = false;
    const QImage plain = RenderFixtures::renderedPng(photos, settings);
    EXPECT_TRUE(near(pixel(plain, first.left() + 8, first.center().y()), Qt::white));
}

TEST(BoardRendererPng, CaptionsShowTheTextOfTheirMode)
{
    BoardSettings settings = photoSettings(PhotoFit::fit);
    settings.captionMode = CaptionMode::custom;
    const QImage tile = RenderFixtures::solid(400, 300, Qt::gray);
    const QList<BoardPhoto> photos { RenderFixtures::photo(tile, "first.png", "PNG", QString()),
        RenderFixtures::photo(tile, "second.png", "PNG", QStringLiteral("Harbour at dawn")) };
    const BoardLayout layout(2, settings);
    const QImage image = RenderFixtures::renderedPng(photos, settings);

    EXPECT_EQ(inkPixels(image, *layout.cells()[0].captionRect, lightCanvas), 0)
        << "an empty custom caption draws nothing, not the file name";
    EXPECT_GT(inkPixels(image, *layout.cells()[1].captionRect, lightCanvas), 100);

    settings.captionMode = CaptionMode::filename;
    const QImage named = RenderFixtures::renderedPng(photos, settings);
    EXPECT_GT(inkPixels(named, *layout.cells()[0].captionRect, lightCanvas), 100);
    // Caption text is the secondary grey (0.38): its darkest pixels reach it.
    int darkest = 255;
    const QRect area = layout.cells()[0].captionRect->toAlignedRect();
    for (int y = area.top(); y < area.bottom(); ++y) {
        for (int x = area.left(); x < area.right(); ++x) {
            darkest = std::min(darkest, named.pixelColor(x, y).red());
        }
    }
    EXPECT_NEAR(darkest, 97, 12);
}

TEST(BoardRendererPng, DarkBackgroundUsesItsOwnColours)
{
    BoardSettings settings = photoSettings(PhotoFit::fit);
    settings.background = BoardBackground::dark;
    const QList<BoardPhoto> photos { RenderFixtures::photo(
        RenderFixtures::bandedPortrait(300, 400), "tower.png") };
    const QImage image = RenderFixtures::renderedPng(photos, settings);
    const BoardLayout layout(1, settings);

    EXPECT_TRUE(near(pixel(image, 1, 1), darkCanvas, 1)) << pixel(image, 1, 1).name().toStdString();
    EXPECT_TRUE(near(pixel(image, 100, 350), darkWell));
    EXPECT_TRUE(near(pixel(image, 327, 349), Qt::green));
    // Light title text (0.94) and light caption text (0.7) on the dark board.
    int brightestTitle = 0;
    const QRect title = layout.titleRect()->toAlignedRect();
    for (int y = title.top(); y < title.bottom(); ++y) {
        for (int x = title.left(); x < title.left() + 400; ++x) {
            brightestTitle = std::max(brightestTitle, image.pixelColor(x, y).red());
        }
    }
    EXPECT_NEAR(brightestTitle, 240, 6);
    EXPECT_GT(inkPixels(image, *layout.cells()[0].captionRect, darkCanvas), 100);
}

TEST(BoardRendererPng, ConcurrentExportsGiveTheSameBytes)
{
    BoardSettings settings = RenderFixtures::exampleSettings();
    settings.outputWidth = 800;
    QList<BoardPhoto> photos;
    for (int index = 0; index < 6; ++index) {
        photos.append(
            RenderFixtures::photo(RenderFixtures::bandedPortrait(90 + index * 10, 120), "p.jpg", "JPEG"));
    }
    const QByteArray sequential = BoardRenderer::pngData(photos, settings);
    QByteArray first;
    QByteArray second;
    std::thread one([&] { first = BoardRenderer::pngData(photos, settings); });
    std::thread two([&] { second = BoardRenderer::pngData(photos, settings); });
    one.join();
    two.join();
    EXPECT_EQ(first, sequential);
    EXPECT_EQ(second, sequential);
}
