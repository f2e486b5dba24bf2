#include "render/BoardRenderer.h"
#include "render/PdfPageBox.h"
#include "RenderFixtures.h"

#include <gtest/gtest.h>
#include <QRegularExpression>

namespace {
// The value of an info-dictionary entry: a literal string (with its escapes) or a hex string,
// UTF-16BE when it starts with a byte-order mark.
QString infoString(const QByteArray& pdf, const char* key)
{
    qsizetype at = pdf.indexOf(QByteArray("/") + key);
    if (at < 0) {
        return QStringLiteral("<missing>");
    }
    at += qsizetype(strlen(key)) + 1;
    while (at < pdf.size() && (pdf[at] == ' ' || pdf[at] == '\n' || pdf[at] == '\r')) {
        ++at;
    }
    QByteArray bytes;
    if (pdf[at] == '<') {
        const qsizetype end = pdf.indexOf('>', at);
        bytes = QByteArray::fromHex(pdf.mid(at + 1, end - at - 1));
    } else if (pdf[at] == '(') {
        int depth = 1;
        for (qsizetype index = at + 1; index < pdf.size(); ++index) {
            const char character = pdf[index];
            if (character == '\\') {
                const char next = pdf[++index];
                if (next >= '0' && next <= '7') {
                    int value = 0;
                    int digits = 0;
                    while (digits < 3 && pdf[index] >= '0' && pdf[index] <= '7') {
                        value = value * 8 + (pdf[index++] - '0');
                        ++digits;
                    }
                    --index;
                    bytes.append(char(value));
                } else {
                    const QByteArray escapes("n\nr\rt\tb\bf\f");
                    const qsizetype known = escapes.indexOf(next);
                    bytes.append(known >= 0 && known % 2 == 0 ? escapes[known + 1] : next);
                }
                continue;
            }
            depth += character == '(' ? 1 : character == ')' ? -1 : 0;
            if (depth == 0) {
                break;
            }
            bytes.append(character);
        }
    } else {
        return QStringLiteral("<not a string>");
    }
    if (bytes.startsWith("\xfe\xff")) {
        QString text;
        for (qsizetype index = 2; index + 1 < bytes.size(); index += 2) {
            text.append(QChar(char16_t((uchar(bytes[index]) << 8) | uchar(bytes[index + 1]))));
        }
        return text;
    }
    return QString::fromLatin1(bytes);
}

// Every in-use entry of the cross-reference table points at its "n 0 obj".
void expectValidCrossReferences(const QByteArray& pdf)
{
    const qsizetype start = pdf.lastIndexOf("startxref");
    ASSERT_GE(start, 0);
    const qsizetype xref = pdf.mid(start + 9).trimmed().split('\n').first().trimmed().toLongLong();
    ASSERT_TRUE(pdf.mid(xref).startsWith("xref"));
    const QList<QByteArray> lines = pdf.mid(xref, pdf.indexOf("trailer", xref) - xref).split('\n');
    const QList<QByteArray> header = lines[1].trimmed().split(' ');
    const int first = header[0].toInt();
    int checked = 0;
    for (int row = 0; row < header[1].toInt(); ++row) {
        const QList<QByteArray> entry = lines[2 + row].trimmed().split(' ');
        if (entry.size() == 3 && entry[2] == "n") {
            const qsizetype offset = entry[0].toLongLong();
            EXPECT_TRUE(pdf.mid(offset).startsWith(QByteArray::number(first + row) + " 0 obj"))
                << "object " << first + row;
            ++checked;
        }
    }
    EXPECT_GT(checked, 5);
}
} // namespace

TEST(BoardRendererPdf, ExampleBoardIsOneExactPage)
{
    const QList<BoardPhoto> photos
        = RenderFixtures::photos(10, RenderFixtures::solid(400, 300, Qt::darkCyan));
    const QByteArray pdf = BoardRenderer::pdfData(photos, RenderFixtures::exampleSettings());

    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(PdfPageBox::mediaBox(pdf), (QList<double> { 0, 0, 1200, 862.5 }));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page>>") + pdf.count("/Type /Page/"), 1);
    EXPECT_EQ(infoString(pdf, "Creator"), QStringLiteral("Tesserly"));
    EXPECT_EQ(infoString(pdf, "Title"), QStringLiteral("Harbour walk"));
    expectValidCrossReferences(pdf);
    // Text stays text: an embedded Inter subset with a map back to Unicode.
    EXPECT_TRUE(pdf.contains("/ToUnicode"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("/BaseFont /\\w*Inter"))
                    .match(QString::fromLatin1(pdf))
                    .hasMatch());
}

TEST(BoardRendererPdf, OddWidthsGiveHalfPointPages)
{
    BoardSettings settings = RenderFixtures::exampleSettings();
    settings.outputWidth = 2401;
    const QList<BoardPhoto> photos = RenderFixtures::photos(3, RenderFixtures::solid(40, 30, Qt::gray));
    const BoardLayout layout(3, settings);
    const QByteArray pdf = BoardRenderer::pdfData(photos, settings);
    EXPECT_EQ(PdfPageBox::mediaBox(pdf),
        (QList<double> { 0, 0, 1200.5, layout.height() * BoardRenderer::pdfPointsPerPixel }));
    expectValidCrossReferences(pdf);
}

TEST(BoardRendererPdf, TitleEntryIsTheStoredTitleOrTheFallback)
{
    const QList<BoardPhoto> photos = RenderFixtures::photos(1, RenderFixtures::solid(40, 30, Qt::gray));
    BoardSettings settings = RenderFixtures::exampleSettings();
    const struct
    {
        QString title;
        QString expected;
    } cases[] = {
        { QString(), QStringLiteral("Tesserly Contact Sheet") },
        { QStringLiteral("   "), QStringLiteral("   ") },
        { QStringLiteral("Fjord (north) \\ Ålesund ✓"), QStringLiteral("Fjord (north) \\ Ålesund ✓") },
        { QString(130, QLatin1Char('x')), QString(120, QLatin1Char('x')) },
    };
    for (const auto& testCase : cases) {
        settings.title = testCase.title;
        EXPECT_EQ(BoardRenderer::pdfTitle(settings), testCase.expected);
        const QByteArray pdf = BoardRenderer::pdfData(photos, settings);
        EXPECT_EQ(infoString(pdf, "Title"), testCase.expected);
        expectValidCrossReferences(pdf);
    }
}

TEST(BoardRendererPdf, PhotosAreEmbeddedAtTheirDecodeSize)
{
    // A 2000 x 1500 photo in a 558-unit tile is decoded at 558 pixels, not at full size.
    const QList<BoardPhoto> photos { RenderFixtures::photo(
        RenderFixtures::solid(2000, 1500, QColor(200, 120, 40)), "big.jpg", "JPEG") };
    const QByteArray pdf = BoardRenderer::pdfData(photos, RenderFixtures::exampleSettings());
    const QRegularExpression imageWidth(QStringLiteral("/Subtype /Image\\s*/Width (\\d+)\\s*/Height (\\d+)"));
    const QRegularExpressionMatch match = imageWidth.match(QString::fromLatin1(pdf));
    ASSERT_TRUE(match.hasMatch());
    EXPECT_LE(match.captured(1).toInt(), 558);
    EXPECT_GE(match.captured(1).toInt(), 540);
    EXPECT_NEAR(match.captured(2).toInt(), match.captured(1).toInt() * 0.75, 1.0);
}

TEST(PdfPageBox, RewritesTheBoxWithoutMovingAnyByte)
{
    QByteArray pdf("1 0 obj\n<< /Type /Page /MediaBox [0 0 1200.000000 863.000000] >>\nendobj\nxref");
    const qsizetype length = pdf.size();
    const qsizetype xref = pdf.indexOf("xref");
    ASSERT_TRUE(PdfPageBox::setMediaBox(pdf, QSizeF(1200, 862.5)));
    EXPECT_EQ(pdf.size(), length);
    EXPECT_EQ(pdf.indexOf("xref"), xref);
    EXPECT_EQ(PdfPageBox::mediaBox(pdf), (QList<double> { 0, 0, 1200, 862.5 }));

    QByteArray tight("/MediaBox [0 0 9 9]");
    EXPECT_FALSE(PdfPageBox::setMediaBox(tight, QSizeF(1200.5, 862.5))) << "no room: left as it was";
    EXPECT_EQ(tight, QByteArray("/MediaBox [0 0 9 9]"));
    QByteArray twoPages("/MediaBox [0 0 100.000000 100.000000] /MediaBox [0 0 100.000000 100.000000]");
    EXPECT_FALSE(PdfPageBox::setMediaBox(twoPages, QSizeF(50, 50)));
    EXPECT_TRUE(PdfPageBox::mediaBox(twoPages).isEmpty());
    EXPECT_FALSE(PdfPageBox::setMediaBox(pdf, QSizeF(std::numeric_limits<double>::infinity(), 10)));

    EXPECT_EQ(PdfPageBox::number(862.5), QByteArray("862.5"));
    EXPECT_EQ(PdfPageBox::number(1200), QByteArray("1200"));
    EXPECT_EQ(PdfPageBox::number(0.125), QByteArray("0.125"));
}
