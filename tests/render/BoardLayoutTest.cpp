#include "render/BoardLayout.h"
#include "RenderFixtures.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {
constexpr double precision = 1e-9;

void expectRect(const QRectF& actual, double x, double y, double width, double height)
{
    EXPECT_NEAR(actual.x(), x, precision);
    EXPECT_NEAR(actual.y(), y, precision);
    EXPECT_NEAR(actual.width(), width, precision);
    EXPECT_NEAR(actual.height(), height, precision);
}

BoardSettings crowdedSettings()
{
    BoardSettings settings;
    settings.outputWidth = 800;
    settings.columns = 6;
    settings.spacing = 100;
    settings.padding = 160;
    settings.cornerRadius = 60;
    settings.cellAspect = CellAspect::square;
    settings.captionMode = CaptionMode::none;
    settings.captionFontSize = 26;
    settings.title.clear();
    return settings;
}
} // namespace

TEST(BoardLayout, TenPhotoExampleBoard)
{
    const BoardLayout layout(10, RenderFixtures::exampleSettings());

    EXPECT_EQ(layout.size(), QSizeF(2400, 1725));
    EXPECT_EQ(layout.pixelWidth(), 2400);
    EXPECT_EQ(layout.pixelHeight(), 1725);
    ASSERT_EQ(layout.cells().size(), 10);
    ASSERT_TRUE(layout.titleRect().has_value());
    expectRect(*layout.titleRect(), 48, 48, 2304, 68);
    EXPECT_EQ(layout.captionFontSize(), 26);
    EXPECT_EQ(layout.captionLineHeight(), 33);
    EXPECT_EQ(layout.numberFontSize(), 32);
    EXPECT_EQ(layout.titleFontSize(), 48);
    EXPECT_EQ(layout.imageCornerRadius(), 12);
    EXPECT_EQ(layout.padding(), 48);
    EXPECT_EQ(layout.spacing(), 24);

    const BoardCellLayout& first = layout.cells()[0];
    EXPECT_EQ(first.index, 0);
    expectRect(first.frame, 48, 140, 558, 496.2);
    expectRect(first.imageRect, 48, 140, 558, 418.5);
    ASSERT_TRUE(first.captionRect.has_value());
    expectRect(*first.captionRect, 48, 570.2, 558, 66);
    expectRect(first.numberRect, 60, 152, 81, 52);

    const BoardCellLayout& sixth = layout.cells()[5];
    EXPECT_EQ(sixth.index, 5);
    expectRect(sixth.frame, 630, 660.2, 558, 496.2);
    // Reading order: the ninth photo opens the third row at the left, the tenth follows it.
    expectRect(layout.cells()[8].frame, 48, 140 + 2 * (496.2 + 24), 558, 496.2);
    expectRect(layout.cells()[9].frame, 630, 140 + 2 * (496.2 + 24), 558, 496.2);
}

TEST(BoardLayout, CrowdedSettingsShrinkSpacingAndPaddingTogether)
{
    const BoardLayout layout(5, crowdedSettings());
    const double factor = 416.0 / 820.0;

    EXPECT_NEAR(layout.padding(), 160 * factor, precision);
    EXPECT_NEAR(layout.spacing(), 100 * factor, precision);
    EXPECT_NEAR(layout.padding(), 81.17, 0.005);
    EXPECT_NEAR(layout.spacing(), 50.73, 0.005);
    ASSERT_EQ(layout.cells().size(), 5);
    const BoardCellLayout& cell = layout.cells()[0];
    EXPECT_NEAR(cell.imageRect.width(), 64, precision);
    EXPECT_NEAR(cell.imageRect.height(), 64, precision);
    EXPECT_FALSE(cell.captionRect.has_value());
    EXPECT_EQ(cell.frame, cell.imageRect);
    EXPECT_NEAR(layout.captionFontSize(), 12.8, precision);
    EXPECT_EQ(layout.numberFontSize(), 12);
    expectRect(cell.numberRect, layout.padding() + 4, layout.padding() + 4, 31, 20);
    EXPECT_EQ(layout.size(), QSizeF(800, 227));
    EXPECT_NEAR(layout.imageCornerRadius(), 32, precision);
    EXPECT_FALSE(layout.titleRect().has_value());
}

TEST(BoardLayout, EmptyBoardsHaveAFixedShapeAndNothingElse)
{
    struct Case
    {
        qsizetype photoCount;
        qint64 outputWidth;
        QSizeF size;
    };
    const Case cases[] = {
        { 0, 2400, QSizeF(2400, 1500) },
        { 0, 800, QSizeF(800, 500) },
        { -3, 2400, QSizeF(2400, 1500) },
        { std::numeric_limits<qsizetype>::min(), 6000, QSizeF(6000, 3750) },
    };
    for (const Case& testCase : cases) {
        BoardSettings settings = RenderFixtures::exampleSettings();
        settings.outputWidth = testCase.outputWidth;
        const BoardLayout layout(testCase.photoCount, settings);
        SCOPED_TRACE(testCase.photoCount);
        EXPECT_EQ(layout.size(), testCase.size);
        EXPECT_TRUE(layout.cells().isEmpty());
        EXPECT_FALSE(layout.titleRect().has_value()) << "a title is set, yet an empty board has no band";
        EXPECT_EQ(layout.captionLineHeight(), 33);
    }
    EXPECT_EQ(BoardLayout().size(), QSizeF(2400, 1500));
}

TEST(BoardLayout, PhotoCountIsCappedAtSixty)
{
    BoardSettings settings = RenderFixtures::exampleSettings();
    settings.columns = 6;
    const BoardLayout sixtyOne(61, settings);
    const BoardLayout sixty(60, settings);
    const BoardLayout huge(std::numeric_limits<qsizetype>::max(), settings);

    EXPECT_EQ(sixtyOne.cells().size(), 60);
    EXPECT_EQ(huge.cells().size(), 60);
    EXPECT_EQ(sixtyOne, sixty);
    EXPECT_EQ(huge.size(), sixty.size());
    EXPECT_EQ(sixtyOne.cells().back().index, 59);
}

TEST(BoardLayout, CellWidthDependsOnColumnsNotOnPhotoCount)
{
    BoardSettings settings = RenderFixtures::exampleSettings();
    settings.columns = 3;
    settings.title.clear();
    const BoardLayout one(1, settings);
    const BoardLayout three(3, settings);

    ASSERT_EQ(one.cells().size(), 1);
    EXPECT_EQ(one.cells()[0].frame, three.cells()[0].frame);
    EXPECT_NEAR(one.cells()[0].frame.width(), (2400 - 96 - 48) / 3.0, precision);
    EXPECT_EQ(one.size(), three.size());
    EXPECT_EQ(one.width(), 2400);
}

TEST(BoardLayout, BlankTitlePutsTheGridAtThePadding)
{
    BoardSettings settings = RenderFixtures::exampleSettings();
    for (const QString& title : { QString(), QStringLiteral("   "), QStringLiteral(" \n\t\r\n ") }) {
        settings.title = title;
        const BoardLayout layout(4, settings);
        EXPECT_FALSE(layout.titleRect().has_value());
        EXPECT_EQ(layout.cells()[0].frame.topLeft(), QPointF(48, 48));
    }
    // A wide title gap follows a wide spacing.
    settings.title = QStringLiteral("x");
    settings.spacing = 40;
    const BoardLayout spaced(4, settings);
    EXPECT_EQ(spaced.cells()[0].frame.y(), 48 + 68 + 40);
}

TEST(BoardLayout, OutOfRangeSettingsAreNormalizedFirst)
{
    BoardSettings wild = RenderFixtures::exampleSettings();
    wild.columns = 40;
    wild.outputWidth = 100;
    wild.spacing = std::numeric_limits<double>::quiet_NaN();
    wild.padding = -5;
    wild.captionFontSize = std::numeric_limits<double>::infinity();
    const BoardLayout layout(7, wild);

    BoardSettings expected = wild;
    expected.columns = 6;
    expected.outputWidth = 800;
    expected.spacing = 24;
    expected.padding = 0;
    expected.captionFontSize = 26;
    EXPECT_EQ(layout, BoardLayout(7, expected));
    EXPECT_EQ(layout.width(), 800);
    EXPECT_EQ(layout.padding(), 0);
}

TEST(BoardLayout, GeometryStaysSoundAcrossTheSettingsRange)
{
    for (qint64 columns = 1; columns <= 6; ++columns) {
        for (qint64 width : { 800, 1333, 2400, 6000 }) {
            for (CellAspect aspect : allCellAspects()) {
                for (CaptionMode mode : allCaptionModes()) {
                    BoardSettings settings = RenderFixtures::exampleSettings();
                    settings.columns = columns;
                    settings.outputWidth = width;
                    settings.cellAspect = aspect;
                    settings.captionMode = mode;
                    settings.spacing = 100;
                    settings.padding = 160;
                    settings.cornerRadius = 60;
                    const BoardLayout layout(13, settings);
                    SCOPED_TRACE(QStringLiteral("%1 columns, %2 wide, %3, %4")
                                     .arg(columns)
                                     .arg(width)
                                     .arg(identifier(aspect), identifier(mode))
                                     .toStdString());
                    EXPECT_EQ(layout.height(), std::ceil(layout.height()));
                    EXPECT_EQ(layout.captionLineHeight(), std::ceil(layout.captionLineHeight()));
                    for (const BoardCellLayout& cell : layout.cells()) {
                        EXPECT_GE(cell.frame.width(), 64 - precision);
                        EXPECT_LE(cell.numberRect.width(), cell.frame.width());
                        EXPECT_LE(cell.frame.right(), layout.width() - layout.padding() + precision);
                        EXPECT_LE(cell.frame.bottom(), layout.height() - layout.padding() + precision);
                        EXPECT_EQ(cell.captionRect.has_value(), mode != CaptionMode::none);
                        if (mode == CaptionMode::none) {
                            EXPECT_EQ(cell.frame, cell.imageRect);
                        }
                    }
                    const QRectF tile = layout.cells()[0].imageRect;
                    EXPECT_LE(
                        layout.imageCornerRadius(), 0.5 * std::min(tile.width(), tile.height()) + precision);
                }
            }
        }
    }
}

TEST(BoardLayout, ImageRectFitsOrFillsTheTarget)
{
    struct Case
    {
        QSizeF image;
        PhotoFit fit;
        QRectF expected;
    };
    const QRectF target(48, 140, 558, 418.5);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        { QSizeF(3000, 4000), PhotoFit::fit, QRectF(170.0625, 140, 313.875, 418.5) },
        { QSizeF(3000, 4000), PhotoFit::fill, QRectF(48, -22.75, 558, 744) },
        { QSizeF(4000, 3000), PhotoFit::fit, target },
        { QSizeF(4000, 3000), PhotoFit::fill, target },
        { QSizeF(1600, 400), PhotoFit::fit, QRectF(48, 279.5, 558, 139.5) },
        { QSizeF(1600, 400), PhotoFit::fill, QRectF(-510, 140, 1674, 418.5) },
        { QSizeF(0, 4000), PhotoFit::fit, target },
        { QSizeF(3000, -1), PhotoFit::fill, target },
        { QSizeF(nan, 10), PhotoFit::fit, target },
        { QSizeF(10, infinity), PhotoFit::fill, target },
    };
    for (const Case& testCase : cases) {
        const QRectF actual = BoardLayout::imageRect(testCase.image, target, testCase.fit);
        SCOPED_TRACE(QStringLiteral("%1 x %2 %3")
                         .arg(testCase.image.width())
                         .arg(testCase.image.height())
                         .arg(identifier(testCase.fit))
                         .toStdString());
        expectRect(actual, testCase.expected.x(), testCase.expected.y(), testCase.expected.width(),
            testCase.expected.height());
    }
}
