#include "render/BoardText.h"
#include "render/BoardFonts.h"

#include <gtest/gtest.h>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

namespace {
// A page at the export's density, so the font sizes are pixels of the exported PNG.
QImage exportPage(int width = 800, int height = 200)
{
    QImage image(width, height, QImage::Format_RGBA8888_Premultiplied);
    image.setDotsPerMeterX(5669);
    image.setDotsPerMeterY(5669);
    image.fill(Qt::white);
    return image;
}

QFont captionFont(const QPaintDevice& device)
{
    return BoardFonts::font(BoardFonts::Role::caption, 26, device);
}

// The rows and columns that hold any non-white pixel.
QRect inkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != QColor(Qt::white)) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}
} // namespace

TEST(BoardFonts, InterAtExactPixelSizesOnAnyDevice)
{
    EXPECT_EQ(BoardFonts::family(), QStringLiteral("Inter"));
    const QImage page = exportPage();
    QImage screen(10, 10, QImage::Format_RGB32);
    screen.setDotsPerMeterX(3780);
    screen.setDotsPerMeterY(3780);
    for (const auto role : { BoardFonts::Role::title, BoardFonts::Role::caption, BoardFonts::Role::number }) {
        const QFontMetricsF atExport(BoardFonts::font(role, 12.8, page), &page);
        const QFontMetricsF atScreen(BoardFonts::font(role, 12.8, screen), &screen);
        EXPECT_NEAR(atExport.ascent(), atScreen.ascent(), 0.02);
        EXPECT_NEAR(atExport.horizontalAdvance(QStringLiteral("Harbour 1234")),
            atScreen.horizontalAdvance(QStringLiteral("Harbour 1234")), 0.05);
        // Inter's ascender is 0.96875 of its size: the fractional size really is 12.8 pixels.
        EXPECT_NEAR(atExport.ascent(), 12.8 * 0.96875, 0.3);
    }
    const QFont title = BoardFonts::font(BoardFonts::Role::title, 48, page);
    const QFont caption = BoardFonts::font(BoardFonts::Role::caption, 48, page);
    EXPECT_GT(QFontMetricsF(title, &page).horizontalAdvance(QStringLiteral("Harbour")),
        QFontMetricsF(caption, &page).horizontalAdvance(QStringLiteral("Harbour")))
        << "the semibold title is wider than the regular caption";
}

TEST(BoardText, LinesBreakAtWordsAndHonourHardBreaks)
{
    const QImage page = exportPage();
    const QFont font = captionFont(page);
    const QFontMetricsF metrics(font, &page);
    const double wide = 2000;

    EXPECT_EQ(
        BoardText::blockLines(QStringLiteral("Harbour"), wide, font, page, 2), QStringList { "Harbour" });
    EXPECT_EQ(BoardText::blockLines(QStringLiteral("First\nSecond"), wide, font, page, 2),
        (QStringList { "First", "Second" }));
    EXPECT_EQ(BoardText::blockLines(QStringLiteral("First\r\nSecond"), wide, font, page, 2),
        (QStringList { "First", "Second" }));
    EXPECT_EQ(BoardText::blockLines(QStringLiteral("one\ntwo\nthree"), wide, font, page, 2),
        (QStringList { "one", "two three" }))
        << "the line after the last one is folded into it";

    const double width = metrics.horizontalAdvance(QStringLiteral("Morning light over")) + 1;
    const QStringList wrapped
        = BoardText::blockLines(QStringLiteral("Morning light over the harbour"), width, font, page, 3);
    ASSERT_EQ(wrapped.size(), 2);
    EXPECT_EQ(wrapped[0].trimmed(), QStringLiteral("Morning light over"));
    EXPECT_EQ(wrapped[1], QStringLiteral("the harbour"));

    // A word longer than the line is broken anywhere.
    const QString word = QStringLiteral("Pneumonoultramicroscopicsilicovolcanoconiosis");
    const QStringList pieces
        = BoardText::blockLines(word, metrics.horizontalAdvance(word) / 3, font, page, 10);
    ASSERT_GE(pieces.size(), 3);
    EXPECT_EQ(pieces.join(QString()), word);
    for (const QString& piece : pieces) {
        EXPECT_LE(metrics.horizontalAdvance(piece), metrics.horizontalAdvance(word) / 3 + 0.5);
    }
}

TEST(BoardText, TooMuchTextEndsInAnEllipsis)
{
    const QImage page = exportPage();
    const QFont font = captionFont(page);
    const QFontMetricsF metrics(font, &page);
    const double width = 300;
    const QString text = QStringLiteral(
        "A long caption about the morning light over the harbour, the boats and the gulls above them");

    const QStringList lines = BoardText::blockLines(text, width, font, page, 2);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(text.startsWith(lines[0]));
    EXPECT_TRUE(lines[1].endsWith(QChar(0x2026))) << lines[1].toStdString();
    EXPECT_LE(metrics.horizontalAdvance(lines[1]), width);
    EXPECT_TRUE(text.contains(lines[1].chopped(1))) << "the second line continues the text";

    const QStringList title = BoardText::blockLines(text, width, font, page, 1);
    ASSERT_EQ(title.size(), 1);
    EXPECT_TRUE(title[0].startsWith(QStringLiteral("A long")));
    EXPECT_TRUE(title[0].endsWith(QChar(0x2026)));

    // Not even one letter fits beside the ellipsis.
    EXPECT_EQ(
        BoardText::blockLines(QStringLiteral("Harbour\nwalk"), 4, font, page, 1), QStringList { "\u2026" });
    EXPECT_TRUE(BoardText::blockLines(QString(), width, font, page, 2).isEmpty());
    EXPECT_TRUE(BoardText::blockLines(text, 0, font, page, 2).isEmpty());
}

TEST(BoardText, BlockLinesSitOnTheirBaselinesInsideTheRectangle)
{
    QImage page = exportPage(600, 200);
    const QFont font = captionFont(page);
    const QFontMetricsF metrics(font, &page);
    const QRectF rect(50, 40, 400, 66);
    const double lineHeight = 33;
    {
        QPainter painter(&page);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        BoardText::drawBlock(
            painter, QStringLiteral("HHHH\nHHHH\nHHHH"), rect, font, Qt::black, 2, lineHeight);
    }
    const QRect ink = inkBounds(page);
    ASSERT_FALSE(ink.isEmpty());
    const double halfLeading = (lineHeight - metrics.ascent() - metrics.descent()) / 2;
    const double firstBaseline = rect.top() + halfLeading + metrics.ascent();
    // Capital H sits on the baseline and reaches the cap height above it.
    EXPECT_NEAR(ink.top(), firstBaseline - metrics.capHeight(), 1.5);
    EXPECT_NEAR(ink.bottom() + 1, firstBaseline + lineHeight, 1.5)
        << "the second line is one line height lower";
    EXPECT_GE(ink.left(), rect.left());
    EXPECT_LE(ink.right(), rect.right());
    // The folded third line lives on the second, so the width grows instead of a third line.
    EXPECT_GT(ink.width(), metrics.horizontalAdvance(QStringLiteral("HHHH")) * 1.5);
}

TEST(BoardText, NothingIsDrawnOutsideTheRectangle)
{
    QImage page = exportPage(400, 200);
    const QFont font = BoardFonts::font(BoardFonts::Role::title, 40, page);
    // The line is taller than the rectangle: the baseline falls below it.
    const QRect rect(40, 40, 300, 40);
    {
        QPainter painter(&page);
        BoardText::drawBlock(painter, QStringLiteral("Wjgqy Wjgqy"), rect, font, Qt::black, 1, 70);
    }
    const QRect ink = inkBounds(page);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(rect.contains(ink)) << "ink at " << ink.x() << "," << ink.y() << " " << ink.width() << "x"
                                    << ink.height();
    EXPECT_EQ(ink.bottom(), rect.bottom()) << "cut at the rectangle's edge";
}

TEST(BoardText, CentredLabelIsCentredOnBothAxes)
{
    QImage page = exportPage(300, 200);
    const QFont font = BoardFonts::font(BoardFonts::Role::number, 32, page);
    const QFontMetricsF metrics(font, &page);
    const QRectF badge(60, 52, 81, 52);
    {
        QPainter painter(&page);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        BoardText::drawCentredLabel(painter, QStringLiteral("10"), badge, font, Qt::black);
    }
    const QRect ink = inkBounds(page);
    ASSERT_FALSE(ink.isEmpty());
    const QRectF glyphs = metrics.tightBoundingRect(QStringLiteral("10"));
    const double advance = metrics.horizontalAdvance(QStringLiteral("10"));
    const double penX = badge.left() + (badge.width() - advance) / 2;
    EXPECT_NEAR(ink.left(), penX + glyphs.left(), 1.5);
    const double baseline
        = badge.top() + (badge.height() - metrics.ascent() - metrics.descent()) / 2 + metrics.ascent();
    EXPECT_NEAR(ink.bottom() + 1, baseline, 1.5);
    // Left and right margins of the ink agree, to within the digits' side bearings.
    EXPECT_NEAR(ink.left() - badge.left(), badge.right() - (ink.right() + 1), 4);
}
