#include "render/BoardPainter.h"
#include "RenderFixtures.h"

#include <gtest/gtest.h>
#include <QColorSpace>
#include <QPainter>

TEST(BoardPainter, PhotosInOtherColourSpacesAreConvertedToTheBoardsSrgb)
{
    BoardSettings settings = RenderFixtures::exampleSettings();
    settings.showNumbers = false;
    const BoardLayout layout(1, settings);
    const BoardPainter painter(layout, settings);
    QImage wideGamut = RenderFixtures::solid(400, 300, QColor(200, 100, 100));
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
