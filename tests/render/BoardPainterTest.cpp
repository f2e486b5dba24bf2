#include "render/BoardPainter.h"
#include "io/ImageDecoder.h"
#include "RenderFixtures.h"
#include "support/TestImages.h"

#include <cstring>
#include <gtest/gtest.h>
#include <QColorSpace>
#include <QPainter>

TEST(BoardPainter, PhotosInOtherColourSpacesAreConvertedToTheBoardsSrgb)
{
    BoardSettings settings = RenderFixtures::exampleSettings();
    settings.showNumbers = false;
    const BoardLayout layout(1, settings);
    const BoardPainter painter(layout, settings);
    QImage wideGamut = TestImages::solid(QSize(400, 300), QColor(200, 100, 100));
    wideGamut.setColorSpace(QColorSpace::DisplayP3);
    const BoardPhoto photo = RenderFixtures::photo(wideGamut, "p3.png");

    QImage board(int(layout.pixelWidth()), int(layout.pixelHeight()), QImage::Format_RGBA8888_Premultiplied);
    {
        QPainter boardPainter(&board);
        painter.drawBackground(boardPainter);
        painter.drawCell(boardPainter, layout.cells()[0], photo, wideGamut);
    }
    const QColor expected = wideGamut.convertedToColorSpace(QColorSpace::SRgb).pixelColor(0, 0);
    ASSERT_GT(expected.red(), 205) << "Display P3 red is more saturated in sRGB";
    EXPECT_TRUE(
        RenderFixtures::near(board.pixelColor(layout.cells()[0].imageRect.center().toPoint()), expected, 2));
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
    const QImage png = RenderFixtures::renderedPng(photos, settings)
                           .convertToFormat(QImage::Format_RGBA8888_Premultiplied);
    ASSERT_EQ(png.size(), expected.size());
    for (int y = 0; y < png.height(); ++y) {
        ASSERT_EQ(std::memcmp(png.constScanLine(y), expected.constScanLine(y), size_t(png.width()) * 4), 0)
            << "row " << y;
    }
}
