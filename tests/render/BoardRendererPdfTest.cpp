#include "render/BoardRenderer.h"
#include "render/PdfPageBox.h"
#include "RenderFixtures.h"
#include "support/TestImages.h"

#include <gtest/gtest.h>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {
// What a Poppler tool prints for the document saved as board.pdf, one entry per non-blank line.
// A complaint on its error stream about a damaged document that it can still read fails the test.
QStringList poppler(const QByteArray& pdf, const QString& tool, const QStringList& arguments)
{
    QTemporaryDir folder;
    TestImages::writeFile(folder, QStringLiteral("board.pdf"), pdf);
    QProcess process;
    process.setWorkingDirectory(folder.path());
    process.start(tool, arguments);
    const bool finished = process.waitForFinished(60000);
    const QByteArray errors = process.readAllStandardError();
    if (!finished || process.exitCode() != 0 || !errors.isEmpty()) {
        return { QStringLiteral("<%1 failed: %2 %3>").arg(tool, process.errorString(), errors) };
    }
    QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n');
    lines.removeIf([](const QString& line) { return line.trimmed().isEmpty(); });
    return lines;
}

// The text layer read back. The physical layout mode keeps lines apart; the reading-order mode
// would join a line ending in a hyphen to the next.
QStringList extractedLines(const QByteArray& pdf)
{
    QStringList lines = poppler(pdf, "pdftotext", { "-layout", "-enc", "UTF-8", "board.pdf", "-" });
    for (QString& line : lines) {
        line = line.trimmed();
    }
    return lines;
}

// An entry of the information dictionary, exactly as stored: pdfinfo pads the key to 17 columns.
QString infoString(const QByteArray& pdf, const QString& key)
{
    for (const QString& line : poppler(pdf, "pdfinfo", { "-enc", "UTF-8", "board.pdf" })) {
        if (line.startsWith(key + QLatin1Char(':'))) {
            return line.mid(17);
        }
    }
    return QStringLiteral("<missing>");
}
} // namespace

TEST(BoardRendererPdf, OnePageOfExactlyHalfTheLayoutInPoints)
{
    const QList<BoardPhoto> photos
        = RenderFixtures::photos(10, TestImages::solid(QSize(400, 300), Qt::darkCyan));
    BoardSettings settings = RenderFixtures::exampleSettings();
    const QByteArray pdf = BoardRenderer::pdfData(photos, settings);
    EXPECT_EQ(PdfPageBox::mediaBox(pdf), (QList<double> { 0, 0, 1200, 862.5 }));
    EXPECT_EQ(pdf.count("/Type /Page\n"), 1);
    EXPECT_EQ(infoString(pdf, "Creator"), QStringLiteral("Tesserly"));
    // Text stays text: an embedded Inter subset that maps back to Unicode.
    EXPECT_TRUE(pdf.contains("/ToUnicode"));
    EXPECT_TRUE(QRegularExpression("/BaseFont /\\w*Inter").match(QString::fromLatin1(pdf)).hasMatch());

    settings.outputWidth = 2401;
    const QByteArray odd = BoardRenderer::pdfData(photos.mid(0, 3), settings);
    EXPECT_EQ(
        PdfPageBox::mediaBox(odd), (QList<double> { 0, 0, 1200.5, BoardLayout(3, settings).height() / 2 }));
}

TEST(BoardRendererPdf, TitleEntryIsTheStoredTitleOrTheFallback)
{
    const QList<BoardPhoto> photos = RenderFixtures::photos(1, TestImages::solid(QSize(40, 30), Qt::gray));
    BoardSettings settings;
    const QString tricky = QStringLiteral("Fjord (north \\ Ålesund ✓");
    const QString expected[][2] = { { "", "Tesserly Contact Sheet" }, { "   ", "   " }, { tricky, tricky },
        { QString(130, 'x'), QString(120, 'x') } };
    for (const auto& [title, entry] : expected) {
        settings.title = title;
        EXPECT_EQ(infoString(BoardRenderer::pdfData(photos, settings), "Title"), entry);
    }
}

TEST(BoardRendererPdf, PhotosAreEmbeddedAtTheirDecodeSize)
{
    // A 2000 x 1500 photo in a 558-unit tile is decoded at 558 pixels, not at its full size.
    const QList<BoardPhoto> photos { RenderFixtures::photo(
        TestImages::solid(QSize(2000, 1500), Qt::darkRed), "big.jpg", "JPEG") };
    const QString pdf
        = QString::fromLatin1(BoardRenderer::pdfData(photos, RenderFixtures::exampleSettings()));
    const QRegularExpressionMatch match
        = QRegularExpression("/Subtype /Image\\s*/Width (\\d+)\\s*/Height (\\d+)").match(pdf);
    ASSERT_TRUE(match.hasMatch());
    EXPECT_LE(match.captured(1).toInt(), 558);
    EXPECT_GE(match.captured(1).toInt(), 540);
    EXPECT_NEAR(match.captured(2).toInt(), match.captured(1).toInt() * 0.75, 1.0);
}

TEST(BoardRendererPdf, TextReadsBackAsDrawn)
{
    const QString rows[] = {
        QStringLiteral("Before/after: colour grade v2 — café"),
        QStringLiteral("Mixed formats (34 inputs) — A→B Ελληνικά"),
        QStringLiteral("‘single’ “double” 1–2 wait… mid·dot (x) 3×4"),
        QStringLiteral("Autumn-2560x1600.jpg 10x20 (ABC) -HIJ- A-B"),
        QStringLiteral("Çà et là: naïve façade, Ærø, Øst, ŁÓDŹ, ıi"),
        // Pairs that Inter draws with one shared glyph (iota, delta, omega) and look-alikes (micro, mu).
        QStringLiteral("Ωμέγα ι ɩ Δ ∆ Ω Ω µ μ ΆΈΉ"),
        QStringLiteral("Съешь же ещё этих булок, Ёж"),
        QStringLiteral("office affine fluffy ffl fi fl ft tt"),
        QStringLiteral("Trip 🌋 2024 ★ ✓ ⌘ 🇳🇴 👍🏽"),
        QStringLiteral("東京タワー 서울 北京"),
    };
    BoardSettings settings;
    settings.columns = 2;
    settings.showNumbers = false;
    settings.captionMode = CaptionMode::custom;
    for (const QString& row : rows) {
        SCOPED_TRACE(row.toStdString());
        settings.title = row;
        const QList<BoardPhoto> photos { RenderFixtures::photo(
            TestImages::solid(QSize(40, 30), Qt::gray), QStringLiteral("a.png"), "PNG", row) };
        const QByteArray pdf = BoardRenderer::pdfData(photos, settings);
        // The title's line, then the caption's.
        EXPECT_EQ(extractedLines(pdf), QStringList({ row, row }));
    }
    // One line read back per line drawn: a file name in a six-column board wraps after its hyphen.
    settings.title.clear();
    settings.columns = 6;
    settings.captionMode = CaptionMode::filename;
    const QList<BoardPhoto> named { RenderFixtures::photo(
        TestImages::solid(QSize(40, 30), Qt::gray), QStringLiteral("OneStandsOut-2560x1600.jpg")) };
    EXPECT_EQ(extractedLines(BoardRenderer::pdfData(named, settings)),
        QStringList({ "OneStandsOut-", "2560x1600.jpg" }));
}
