#include "render/BoardLayout.h"
#include "RenderFixtures.h"

#include <gtest/gtest.h>
#include <limits>
#include <tuple>

// QRectF compares each coordinate to within a relative 1e-12.
TEST(BoardLayout, TenPhotoExampleBoard)
{
    const BoardLayout layout(10, RenderFixtures::exampleSettings());
    EXPECT_EQ(layout.size(), QSizeF(2400, 1725));
    EXPECT_EQ(layout.pixelHeight(), 1725);
    ASSERT_EQ(layout.cells().size(), 10);
    EXPECT_EQ((QList<double> { layout.captionFontSize(), layout.captionLineHeight(), layout.numberFontSize(),
                  layout.imageCornerRadius() }),
        (QList<double> { 26, 33, 32, 12 }));
    // Reading order: the sixth photo is second in the second row, the ninth opens the third.
    const BoardCellLayout& first = layout.cells()[0];
    EXPECT_EQ(
        (QList<QRectF> { layout.titleRect().value(), first.frame, first.imageRect, first.captionRect.value(),
            first.numberRect, layout.cells()[5].frame, layout.cells()[8].frame }),
        (QList<QRectF> { QRectF(48, 48, 2304, 68), QRectF(48, 140, 558, 496.2), QRectF(48, 140, 558, 418.5),
            QRectF(48, 570.2, 558, 66), QRectF(60, 152, 81, 52), QRectF(630, 660.2, 558, 496.2),
            QRectF(48, 140 + 2 * (496.2 + 24), 558, 496.2) }));
    EXPECT_EQ(layout.cells()[8].index, 8);
}

TEST(BoardLayout, CrowdedSettingsShrinkSpacingAndPaddingTogether)
{
    const BoardSettings settings(6, CellAspect::square, PhotoFit::fit, BoardBackground::light, true,
        CaptionMode::none, QString(), 100, 160, 60, 800, 26, 48);
    const BoardLayout layout(5, settings);
    const double factor = 416.0 / 820.0;
    EXPECT_NEAR(layout.padding(), 160 * factor, 1e-9);
    EXPECT_NEAR(layout.spacing(), 100 * factor, 1e-9);
    EXPECT_NEAR(layout.captionFontSize(), 12.8, 1e-9);
    EXPECT_NEAR(layout.imageCornerRadius(), 32, 1e-9);
    EXPECT_EQ(layout.numberFontSize(), 12);
    EXPECT_EQ(layout.size(), QSizeF(800, 227));
    // No captions: the frame is the tile.
    const BoardCellLayout& cell = layout.cells()[0];
    const QPointF corner(layout.padding(), layout.padding());
    EXPECT_EQ((QList<QRectF> { cell.frame, cell.imageRect, cell.numberRect }),
        (QList<QRectF> { QRectF(corner, QSizeF(64, 64)), QRectF(corner, QSizeF(64, 64)),
            QRectF(corner + QPointF(4, 4), QSizeF(31, 20)) }));
    EXPECT_FALSE(cell.captionRect.has_value());
}

TEST(BoardLayout, PhotoCountsOutsideOneToSixty)
{
    const std::tuple<qsizetype, qint64, QSizeF, qsizetype> cases[] = {
        { 0, 2400, QSizeF(2400, 1500), 0 },
        { 0, 800, QSizeF(800, 500), 0 },
        { -3, 2400, QSizeF(2400, 1500), 0 },
        { 60, 2400, QSizeF(2400, 3911), 60 },
        { 61, 2400, QSizeF(2400, 3911), 60 },
        { std::numeric_limits<qsizetype>::max(), 2400, QSizeF(2400, 3911), 60 },
    };
    for (const auto& [photoCount, outputWidth, size, cells] : cases) {
        BoardSettings settings = RenderFixtures::exampleSettings();
        settings.columns = 6;
        settings.outputWidth = outputWidth;
        const BoardLayout layout(photoCount, settings);
        SCOPED_TRACE(photoCount);
        EXPECT_EQ(layout.size(), size);
        EXPECT_EQ(layout.cells().size(), cells);
        EXPECT_EQ(layout.titleRect().has_value(), cells > 0) << "no title band without photos";
    }
}

TEST(BoardLayout, CellsKeepTheirColumnWidthAndBlankTitlesTakeNoSpace)
{
    BoardSettings settings = RenderFixtures::exampleSettings();
    settings.columns = 3;
    settings.title = QStringLiteral(" \n\t\r\n ");
    EXPECT_FALSE(BoardLayout(1, settings).titleRect().has_value());
    const double width = (2400 - 96 - 48) / 3.0;
    for (const auto& [aspect, ratio] :
        { std::pair { CellAspect::square, 1.0 }, std::pair { CellAspect::landscape, 4.0 / 3 },
            std::pair { CellAspect::widescreen, 16.0 / 9 }, std::pair { CellAspect::portrait, 0.75 } }) {
        settings.cellAspect = aspect;
        const BoardLayout one(1, settings);
        ASSERT_EQ(one.cells().size(), 1);
        EXPECT_EQ(one.cells()[0].imageRect, QRectF(48, 48, width, width / ratio));
    }
    // Any record, however far out of range, is normalized first.
    const BoardSettings wild(40, CellAspect::portrait, PhotoFit::fit, BoardBackground::light, true,
        CaptionMode::filename, "x", qQNaN(), -5, 12, 100, 26, 48);
    EXPECT_EQ(BoardLayout(7, wild), BoardLayout(7, wild.normalized()));
}

// The export limit on whole pixels: each side is rounded up before the limits are compared, so
// a fractional size just under a limit is allowed and one just over it is not.
TEST(BoardLayout, TooLargeToExportAtTheExactBoundaries)
{
    const std::pair<QSizeF, bool> cases[] = {
        { QSizeF(2400, 16384), false },
        { QSizeF(2400, 16383.5), false },
        { QSizeF(2400, 16384.01), true },
        { QSizeF(16384, 3906), false },
        { QSizeF(16385, 100), true },
        { QSizeF(8000, 8000), false }, // exactly 64,000,000 pixels
        { QSizeF(8000, 7999.5), false },
        { QSizeF(8000, 8000.5), true },
        { QSizeF(6000, 10666), false },
        { QSizeF(6000, 10666.5), true }, // 63,999,000 before rounding, 64,002,000 after
        { QSizeF(0.5, 100), false },
        { QSizeF(0, 100), true },
        { QSizeF(qInf(), 100), true },
        { QSizeF(100, qQNaN()), true },
    };
    for (const auto& [size, tooLarge] : cases) {
        EXPECT_EQ(BoardLayout::tooLargeToExport(size), tooLarge) << size.width() << " x " << size.height();
    }
}

TEST(BoardLayout, ImageRectFitsOrFillsTheTarget)
{
    const QRectF target(48, 140, 558, 418.5);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::tuple<QSizeF, PhotoFit, QRectF> cases[] = {
        { QSizeF(3000, 4000), PhotoFit::fit, QRectF(170.0625, 140, 313.875, 418.5) },
        { QSizeF(3000, 4000), PhotoFit::fill, QRectF(48, -22.75, 558, 744) },
        { QSizeF(4000, 3000), PhotoFit::fill, target },
        { QSizeF(1600, 400), PhotoFit::fit, QRectF(48, 279.5, 558, 139.5) },
        { QSizeF(1600, 400), PhotoFit::fill, QRectF(-510, 140, 1674, 418.5) },
        { QSizeF(0, 4000), PhotoFit::fit, target },
        { QSizeF(3000, -1), PhotoFit::fill, target },
        { QSizeF(nan, 10), PhotoFit::fit, target },
    };
    for (const auto& [image, fit, expected] : cases) {
        EXPECT_EQ(BoardLayout::imageRect(image, target, fit), expected) << image.width();
    }
}
