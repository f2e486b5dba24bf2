#include "io/OrderedWorkPool.h"
#include "render/BoardLayout.h"
#include "render/BoardRenderer.h"
#include "RenderFixtures.h"
#include "support/TestImages.h"

#include <gtest/gtest.h>
#include <thread>

using RenderFixtures::near;

namespace {
const QColor lightCanvas = QColor::fromRgbF(0.97f, 0.97f, 0.98f);
const QColor lightWell = QColor::fromRgbF(0.91f, 0.91f, 0.91f);

BoardSettings photoSettings(PhotoFit fit, BoardBackground background = BoardBackground::light)
{
    BoardSettings settings = RenderFixtures::exampleSettings();
    settings.photoFit = fit;
    settings.background = background;
    settings.showNumbers = false;
    return settings;
}

QList<BoardPhoto> tower()
{
    return { RenderFixtures::photo(RenderFixtures::bandedPortrait(300, 400), "tower.png") };
}

// Pixels inside rect that differ from `background`, and the darkest and brightest red seen.
struct Ink
{
    int pixels = 0;
    int darkest = 255;
    int brightest = 0;
};
Ink ink(const QImage& image, const QRectF& rect, QColor background)
{
    Ink result;
    const QRect area = rect.toAlignedRect() & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor color = image.pixelColor(x, y);
            result.pixels += near(color, background, 2) ? 0 : 1;
            result.darkest = std::min(result.darkest, color.red());
            result.brightest = std::max(result.brightest, color.red());
        }
    }
    return result;
}
} // namespace

// Its size and density are the command line's worked example.
TEST(BoardRendererPng, ExampleBoardIsSrgbRgba)
{
    const QByteArray png
        = BoardRenderer::pngData(RenderFixtures::photos(10, TestImages::solid(QSize(400, 300), Qt::darkCyan)),
            RenderFixtures::exampleSettings());
    EXPECT_EQ(png.mid(24, 2), QByteArray("\x08\x06", 2)) << "8 bits per channel, RGBA";
    EXPECT_TRUE(png.contains("sRGB"));
    EXPECT_TRUE(near(QImage::fromData(png, "PNG").pixelColor(2399, 1724), lightCanvas, 1));
}

// The first tile is (48, 140, 558, 418.5). A fitted portrait goes to (170.0625, 140, 313.875, 418.5)
// with the well on both sides; filled, only its middle band shows, cut at the tile. A landscape
// photo whose record says portrait (or nothing) is placed by its own proportions, never squeezed.
TEST(BoardRendererPng, PhotosFitOrFillTheirTileByTheirOwnProportions)
{
    const BoardPhoto wide = RenderFixtures::photo(TestImages::solid(QSize(400, 300), Qt::red), "wide.png");
    const auto recorded = [&](QSize size) {
        return BoardPhoto(
            wide.id(), wide.fileName(), QString(), wide.imageData(), size.width(), size.height(), QImage());
    };
    const struct
    {
        const char* name;
        BoardPhoto photo;
        PhotoFit fit;
        QList<std::pair<QPoint, QColor>> pixels;
    } cases[] = {
        { "fit", tower().first(), PhotoFit::fit,
            { { { 100, 350 }, lightWell }, { { 560, 350 }, lightWell }, { { 327, 146 }, Qt::red },
                { { 327, 349 }, Qt::green }, { { 327, 552 }, Qt::blue }, { { 60, 152 }, lightWell } } },
        { "fill", tower().first(), PhotoFit::fill,
            { { { 327, 142 }, Qt::green }, { { 327, 556 }, Qt::green }, { { 52, 350 }, Qt::green },
                { { 603, 350 }, Qt::green }, { { 327, 135 }, lightCanvas }, { { 327, 562 }, lightCanvas } } },
        { "recorded as portrait", recorded(QSize(3000, 4000)), PhotoFit::fit,
            { { { 100, 350 }, Qt::red }, { { 560, 350 }, Qt::red } } },
        { "recorded without a size", recorded(QSize(0, 0)), PhotoFit::fit,
            { { { 100, 350 }, Qt::red }, { { 560, 350 }, Qt::red } } },
    };
    for (const auto& testCase : cases) {
        const QImage image = RenderFixtures::renderedPng({ testCase.photo }, photoSettings(testCase.fit));
        for (const auto& [point, colour] : testCase.pixels) {
            EXPECT_TRUE(near(image.pixelColor(point), colour))
                << testCase.name << " at " << point.x() << "," << point.y();
        }
    }
    // Rounded, antialiased corner: background at the corner, well one radius in.
    EXPECT_TRUE(near(RenderFixtures::renderedPng(tower(), photoSettings(PhotoFit::fit)).pixelColor(48, 140),
        lightCanvas, 12));
}

TEST(BoardRendererPng, TenthBadgeIsAsWideAsTheFirst)
{
    BoardSettings settings = RenderFixtures::exampleSettings();
    settings.photoFit = PhotoFit::fill;
    const QImage image = RenderFixtures::renderedPng(
        RenderFixtures::photos(10, TestImages::solid(QSize(400, 300), Qt::white)), settings);
    const BoardLayout layout(10, settings);
    auto badge = [&image](const QRectF& rect) {
        // The dark capsule's extent along its middle row, and the white digits' ink inside it.
        int left = -1;
        int right = -1;
        for (int x = int(rect.left()) - 6; x < int(rect.right()) + 6; ++x) {
            if (image.pixelColor(x, int(rect.center().y())).lightness() < 128) {
                left = left < 0 ? x : left;
                right = x;
            }
        }
        const QRectF inner = rect.adjusted(rect.height() / 2, 4, -rect.height() / 2, -4);
        return std::make_tuple(
            left - rect.left(), right - left + 1, ink(image, inner, QColor(71, 71, 71)).pixels);
    };
    const auto [firstInset, firstWidth, firstDigits] = badge(layout.cells()[0].numberRect);
    const auto [tenthInset, tenthWidth, tenthDigits] = badge(layout.cells()[9].numberRect);
    EXPECT_NEAR(firstWidth, 81, 1);
    EXPECT_EQ(tenthWidth, firstWidth);
    EXPECT_EQ(tenthInset, firstInset);
    EXPECT_GT(firstDigits, 20) << "1 is drawn";
    EXPECT_GT(tenthDigits, firstDigits + 20) << "10 has more ink than 1";
    EXPECT_NEAR(image.pixelColor(68, 178).red(), 71, 3) << "black at 0.72 over white";
}

TEST(BoardRendererPng, CaptionsAndColoursFollowTheSettings)
{
    BoardSettings settings = photoSettings(PhotoFit::fit);
    settings.captionMode = CaptionMode::custom;
    const QImage grey = TestImages::solid(QSize(400, 300), Qt::gray);
    const QList<BoardPhoto> photos { RenderFixtures::photo(grey, "first.png"),
        RenderFixtures::photo(grey, "second.png", "PNG", QStringLiteral("Harbour at dawn")) };
    const BoardLayout layout(2, settings);
    const QImage custom = RenderFixtures::renderedPng(photos, settings);
    EXPECT_EQ(ink(custom, *layout.cells()[0].captionRect, lightCanvas).pixels, 0) << "no file name fallback";
    EXPECT_GT(ink(custom, *layout.cells()[1].captionRect, lightCanvas).pixels, 100);
    EXPECT_NEAR(ink(custom, *layout.cells()[1].captionRect, lightCanvas).darkest, 97, 12)
        << "secondary grey 0.38";
    EXPECT_NEAR(ink(custom, *layout.titleRect(), lightCanvas).darkest, 31, 8) << "title grey 0.12";

    const QImage dark
        = RenderFixtures::renderedPng(tower(), photoSettings(PhotoFit::fit, BoardBackground::dark));
    const QColor darkCanvas = QColor::fromRgbF(0.105f, 0.115f, 0.13f);
    EXPECT_TRUE(near(dark.pixelColor(0, 0), darkCanvas, 1));
    EXPECT_TRUE(near(dark.pixelColor(100, 350), QColor::fromRgbF(0.17f, 0.17f, 0.17f)));
    EXPECT_NEAR(ink(dark, *layout.titleRect(), darkCanvas).brightest, 240, 6) << "title grey 0.94";
    EXPECT_NEAR(ink(dark, *layout.cells()[0].captionRect, darkCanvas).brightest, 179, 12)
        << "caption grey 0.7";
}

TEST(BoardRendererPng, SameBytesOnAnyNumberOfWorkersAndConcurrentExports)
{
    BoardSettings settings = RenderFixtures::exampleSettings();
    settings.outputWidth = 800;
    QList<BoardPhoto> photos;
    for (int index = 0; index < 9; ++index) {
        photos.append(
            RenderFixtures::photo(RenderFixtures::bandedPortrait(90 + index * 10, 120), "p.jpg", "JPEG"));
    }
    OrderedWorkPool::setWorkerCount(1);
    const QByteArray sequential = BoardRenderer::pngData(photos, settings);
    OrderedWorkPool::setWorkerCount(4);
    QByteArray first;
    QByteArray second;
    std::thread one([&] { first = BoardRenderer::pngData(photos, settings); });
    std::thread two([&] { second = BoardRenderer::pngData(photos, settings); });
    one.join();
    two.join();
    OrderedWorkPool::setWorkerCount(0);
    EXPECT_EQ(first, sequential);
    EXPECT_EQ(second, sequential);
}
