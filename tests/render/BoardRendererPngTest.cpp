#include "io/ImageDecoder.h"
#include "io/OrderedWorkPool.h"
#include "model/BoardLimits.h"
#include "render/BoardLayout.h"
#include "render/BoardPainter.h"
#include "render/BoardRenderer.h"
#include "render/BoardRenderError.h"
#include "RenderFixtures.h"
#include "support/FileTesting.h"
#include "support/TestImages.h"

#include <cstring>
#include <gtest/gtest.h>
#include <QPainter>
#include <thread>
#include <tuple>

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
            const int red = qRed(image.pixel(x, y));
            result.pixels += TestImages::colourNear(image, { x, y }, background, 2) ? 0 : 1;
            result.darkest = std::min(result.darkest, red);
            result.brightest = std::max(result.brightest, red);
        }
    }
    return result;
}

using Output = QByteArray (*)(const QList<BoardPhoto>&, const BoardSettings&);
const Output outputs[] = { BoardRenderer::pngData, BoardRenderer::pdfData };

} // namespace

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
            EXPECT_TRUE(TestImages::colourNear(image, point, colour, 3))
                << testCase.name << " at " << point.x() << "," << point.y();
        }
    }
    // Rounded, antialiased corner: background at the corner, well one radius in.
    EXPECT_TRUE(TestImages::colourNear(
        RenderFixtures::renderedPng(tower(), photoSettings(PhotoFit::fit)), { 48, 140 }, lightCanvas, 12));
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
    EXPECT_TRUE(TestImages::colourNear(dark, { 0, 0 }, darkCanvas, 1));
    EXPECT_TRUE(TestImages::colourNear(dark, { 100, 350 }, QColor::fromRgbF(0.17f, 0.17f, 0.17f), 3));
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

TEST(BoardPainter, ThePngIsExactlyWhatThePainterDraws)
{
    // Rows are compressed while later grid rows are still being drawn; none may be written early.
    BoardSettings settings = RenderFixtures::exampleSettings();
    settings.columns = 3;
    settings.spacing = 0;
    settings.photoFit = PhotoFit::fill;
    QList<BoardPhoto> photos;
    for (int index = 0; index < 7; ++index) {
        photos.append(RenderFixtures::photo(RenderFixtures::bandedPortrait(60 + 20 * index, 90), "p.png"));
    }
    const BoardLayout layout(photos.size(), settings);
    QImage expected(
        int(layout.pixelWidth()), int(layout.pixelHeight()), QImage::Format_RGBA8888_Premultiplied);
    expected.setDotsPerMeterX(5669);
    expected.setDotsPerMeterY(5669);
    {
        QPainter painter(&expected);
        BoardPainter(layout, settings)
            .draw(painter, photos, [](const BoardCellLayout&, const BoardPhoto& photo, int size) {
                return ImageDecoder::decodeUpright(photo.imageData(), size);
            });
    }
    const QByteArray bytes = BoardRenderer::pngData(photos, settings);
    EXPECT_EQ(bytes.mid(24, 2), QByteArray("\x08\x06", 2)) << "8 bits per channel, RGBA";
    EXPECT_TRUE(bytes.contains("sRGB"));
    const QImage png = QImage::fromData(bytes).convertToFormat(QImage::Format_RGBA8888_Premultiplied);
    ASSERT_EQ(png.size(), expected.size());
    for (int y = 0; y < png.height(); ++y) {
        ASSERT_EQ(std::memcmp(png.constScanLine(y), expected.constScanLine(y), size_t(png.width()) * 4), 0)
            << "row " << y;
    }
}

// Refused before drawing, or at the first photo that cannot be decoded, whether decoded on the
// drawing thread alone or on several workers ahead of it.
TEST(BoardRendererValidation, RefusalsNameTheirReason)
{
    const QImage grey = TestImages::solid(QSize(8, 8), Qt::gray);
    BoardSettings oneColumn;
    oneColumn.columns = 1;
    oneColumn.cellAspect = CellAspect::square;
    oneColumn.captionMode = CaptionMode::none;
    QList<BoardPhoto> broken = RenderFixtures::photos(3, grey);
    broken.insert(
        1, BoardPhoto(QUuid::createUuid(), "broken.jpg", {}, "this is not an image", 4000, 3000, {}));
    broken.append(BoardPhoto(QUuid::createUuid(), "also broken.png", {},
        QByteArray("\x89PNG\r\n\x1a\n cut short", 19), 40, 30, {}));
    const std::tuple<QList<BoardPhoto>, BoardSettings, QString> cases[] = {
        { {}, oneColumn, "Add at least one image before exporting." },
        { RenderFixtures::photos(61, grey), oneColumn, BoardLimits::tooManyPhotosText() },
        { RenderFixtures::photos(60, grey), oneColumn,
            "This board is too large to export. Increase the column count or choose a smaller export "
            "width." },
        { broken, RenderFixtures::exampleSettings(),
            "Tesserly could not render \"broken.jpg\". Remove it and import the image again." },
    };
    for (const auto& [photos, settings, text] : cases) {
        for (const auto& [output, workers] : { std::pair { outputs[0], 1 }, std::pair { outputs[0], 4 },
                 std::pair { outputs[1], 1 }, std::pair { outputs[1], 4 } }) {
            OrderedWorkPool::setWorkerCount(workers);
            EXPECT_EQ(FileTesting::failureMessage([&] { output(photos, settings); }), text) << workers;
            OrderedWorkPool::setWorkerCount(0);
        }
    }
    const std::pair<BoardRenderError, const char*> texts[] = {
        { BoardRenderError::invalidImage("%1.png"),
            "Tesserly could not render \"%1.png\". Remove it and import the image again." },
        { BoardRenderError(BoardRenderError::Kind::cannotCreateContext),
            "There is not enough memory to create this export. Try a smaller export width." },
        { BoardRenderError(BoardRenderError::Kind::cannotEncode),
            "Tesserly could not finish the export. Try again with a smaller board." },
    };
    for (const auto& [error, text] : texts) {
        EXPECT_EQ(error.description(), QString::fromUtf8(text));
    }
}
