#include "render/BoardText.h"
#include "render/BoardFonts.h"
#include "RenderFixtures.h"

#include <gtest/gtest.h>
#include <QGlyphRun>
#include <QImage>
#include <QTextLayout>
#include <tuple>

namespace {
// A page at the export's density, so that font sizes are pixels of the exported PNG.
QImage exportPage()
{
    QImage image(10, 10, QImage::Format_RGBA8888_Premultiplied);
    image.setDotsPerMeterX(5669);
    image.setDotsPerMeterY(5669);
    return image;
}
} // namespace

TEST(BoardText, InterAtFractionalPixelSizesOnAnyDevice)
{
    const QImage page = exportPage();
    QImage screen(10, 10, QImage::Format_RGB32);
    screen.setDotsPerMeterX(3780);
    screen.setDotsPerMeterY(3780);
    const BoardFont atExport = BoardFonts::font(BoardFonts::Role::caption, 12.8, page);
    const BoardFont atScreen = BoardFonts::font(BoardFonts::Role::caption, 12.8, screen);
    // Inter's ascender is 0.96875 of its size: QFont alone would have rounded 12.8 to 13.
    EXPECT_NEAR(atExport.ascent(), 12.8 * 0.96875, 0.02);
    EXPECT_NEAR(atScreen.ascent(), 12.8 * 0.96875, 0.02);
    EXPECT_NEAR(atScreen.advance("Harbour 1234"), atExport.advance("Harbour 1234"), 0.02);
    EXPECT_NEAR(BoardFonts::font(BoardFonts::Role::caption, 25.6, page).advance("Harbour 1234"),
        2 * atExport.advance("Harbour 1234"), 0.05);
    // Badge numbers have tabular digits, captions proportional ones.
    const BoardFont number = BoardFonts::font(BoardFonts::Role::number, 32, page);
    EXPECT_DOUBLE_EQ(number.advance("11"), number.advance("00"));
    EXPECT_LT(atExport.advance("11"), atExport.advance("00"));
}

TEST(BoardText, CharactersMissingFromTheTypefaceComeFromFallbackFonts)
{
    const QImage page = exportPage();
    const BoardFont font = BoardFonts::font(BoardFonts::Role::caption, 26, page);
    const QString rows[]
        = { "Trip 🌋 👍🏽 ★ ✓", "東京タワー 北京", "서울", "Ελληνικά Ёлка", "שלום עולם", "مرحبا" };
    for (const QString& row : rows) {
        SCOPED_TRACE(row.toStdString());
        QTextLayout layout(row, font.oversampledFont(), &font.device());
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        int glyphs = 0;
        for (const QGlyphRun& run : layout.glyphRuns()) {
            glyphs += int(run.glyphIndexes().size());
            // Glyph 0 is the empty box of a character the font lacks.
            EXPECT_FALSE(run.glyphIndexes().contains(0u)) << run.rawFont().familyName().toStdString();
        }
        EXPECT_GT(glyphs, 0);
    }
}

TEST(BoardText, LinesBreakAtWordsHonourHardBreaksAndEndInAnEllipsis)
{
    const QImage page = exportPage();
    const BoardFont font = BoardFonts::font(BoardFonts::Role::caption, 26, page);
    const QString word = QStringLiteral("Pneumonoultramicroscopicsilicovolcanoconiosis");
    const double narrow = font.advance(QStringLiteral("Morning light over")) + 1;
    const std::tuple<QString, double, int, QStringList> cases[] = {
        { "Harbour", 2000, 2, { "Harbour" } },
        { "First\nSecond", 2000, 2, { "First", "Second" } },
        { "First\r\nSecond", 2000, 2, { "First", "Second" } },
        { "one\ntwo\nthree", 2000, 2, { "one", "two three" } },
        { "Morning light over the harbour", narrow, 3, { "Morning light over ", "the harbour" } },
        { "Morning light over the harbour and the boats", narrow, 2,
            { "Morning light over ", font.elided("the harbour and the boats", narrow) } },
        { word, font.advance(word) / 2 + 1, 1, { font.elided(word, font.advance(word) / 2 + 1) } },
        { "Harbour\nwalk", 4, 1, { "\u2026" } },
        // After a hyphen even before digits; inside a word only when the word alone is too wide.
        { "OneStandsOut-2560x1600.jpg", font.advance("OneStandsOut-2560x1600.jp") + 1, 2,
            { "OneStandsOut-", "2560x1600.jpg" } },
        { "Pier -12 m-2", 2000, 2, { "Pier -12 m-2" } },
        { "", 2000, 2, {} },
        { "Harbour", 0, 2, {} },
    };
    for (const auto& [text, width, lines, expected] : cases) {
        EXPECT_EQ(BoardText::blockLines(text, width, font, lines), expected) << text.toStdString();
    }
    EXPECT_TRUE(std::get<3>(cases[5])[1].endsWith(QChar(0x2026)));
    // A word longer than the line is broken anywhere.
    const QStringList pieces = BoardText::blockLines(word, font.advance(word) / 3, font, 9);
    EXPECT_GE(pieces.size(), 3);
    EXPECT_EQ(pieces.join(QString()), word);
}
