#include "support/FileTesting.h"
#include "support/TestImages.h"

#include "io/ImageDecoder.h"
#include "io/ImageImportError.h"
#include "io/ImageImportService.h"

#include <gtest/gtest.h>
#include <QBuffer>
#include <QImageWriter>
#include <zlib.h>

// Files of a few hundred bytes whose headers claim a picture at the pixel limit and then hold
// no data for it. Before the decoders stopped early they cost a zero-filled 400 MB buffer (PNG)
// or a full decode of invented padding (JPEG); the result must still be a plain refusal, and a
// real file of the same kind must still decode.
namespace {
QByteArray bigEndian32(quint32 value)
{
    const char bytes[] = { char(value >> 24), char(value >> 16), char(value >> 8), char(value) };
    return QByteArray(bytes, 4);
}

QByteArray pngChunk(const QByteArray& type, const QByteArray& data)
{
    const QByteArray typed = type + data;
    return bigEndian32(quint32(data.size())) + typed
        + bigEndian32(
            quint32(crc32(0, reinterpret_cast<const Bytef*>(typed.constData()), uInt(typed.size()))));
}

// 10,000 × 10,000 RGBA, Adam7, with a compressed stream of ten bytes.
QByteArray interlacedPngWithoutPixels()
{
    QByteArray header = bigEndian32(10'000) + bigEndian32(10'000);
    header.append(QByteArray::fromHex("0806000001"));
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header)
        + pngChunk("IDAT", QByteArray::fromHex("789c636080000000 0a0001")) + pngChunk("IEND", {});
}

QByteArray segment(int marker, const QByteArray& payload)
{
    const int length = int(payload.size()) + 2;
    const char head[] = { char(0xff), char(marker), char(length >> 8), char(length & 0xff) };
    return QByteArray(head, 4) + payload;
}

// 10,000 × 10,000, three components, one quantisation and one Huffman table, a scan header, a
// few bytes of scan data and then the end of the file.
QByteArray jpegWithoutScanData(bool progressive)
{
    return QByteArray::fromHex("ffd8") + segment(0xdb, QByteArray(1, 0) + QByteArray(64, 1))
        + segment(progressive ? 0xc2 : 0xc0, QByteArray::fromHex("08 2710 2710 03 011100 021100 031100"))
        + segment(0xc4, QByteArray::fromHex("00 01000000000000000000000000000000 00"))
        + segment(0xda, QByteArray::fromHex("03 0100 0200 0300 003f00")) + QByteArray(16, 0);
}

QByteArray progressiveJpeg(const QImage& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    EXPECT_TRUE(writer.write(picture));
    return bytes;
}

// Importing `bytes` fails as a damaged image does.
bool refusedAsDamaged(const QByteArray& bytes)
{
    return FileTesting::failureMessage([&] { ImageImportService::load(bytes, "hostile"); })
        == ImageImportError::description(ImageImportError::Kind::unreadableImage);
}
} // namespace

TEST(HostileImageHeaders, APictureAtThePixelLimitWithoutItsDataIsRefusedAsDamaged)
{
    for (const auto& [name, bytes] : { std::pair { "interlaced PNG", interlacedPngWithoutPixels() },
             std::pair { "baseline JPEG", jpegWithoutScanData(false) },
             std::pair { "progressive JPEG", jpegWithoutScanData(true) } }) {
        SCOPED_TRACE(name);
        const std::optional<ImageDecoder::Probe> probe = ImageDecoder::probe(bytes);
        ASSERT_TRUE(probe.has_value()) << "the header must be readable, or nothing is tested";
        EXPECT_EQ(probe->storedSize, QSize(10'000, 10'000));
        EXPECT_TRUE(refusedAsDamaged(bytes));
        EXPECT_TRUE(ImageDecoder::decodeUpright(bytes, 64).isNull());
    }
}

TEST(HostileImageHeaders, RealProgressiveJpegsStillDecodeAndTruncatedOnesDoNot)
{
    const QImage picture = TestImages::quadrants(QSize(96, 64));
    const QByteArray whole = progressiveJpeg(picture);
    const QImage decoded = ImageDecoder::decodeUpright(whole, 48);
    ASSERT_EQ(decoded.size(), QSize(48, 32));
    EXPECT_TRUE(TestImages::colourNear(decoded, QPoint(4, 4), Qt::red));
    EXPECT_TRUE(TestImages::colourNear(decoded, QPoint(44, 28), Qt::yellow));

    EXPECT_TRUE(refusedAsDamaged(whole.left(whole.size() / 3)));
}
