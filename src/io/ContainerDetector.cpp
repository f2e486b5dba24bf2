#include "io/ContainerDetector.h"

#include <libheif/heif.h>

#include <algorithm>
#include <array>

namespace {

using Container = ImageDecoder::Container;

bool startsWith(QByteArrayView bytes, QByteArrayView magic, qsizetype offset = 0)
{
    return bytes.size() >= offset + magic.size() && bytes.sliced(offset, magic.size()) == magic;
}

// A Windows bitmap: "BM" followed by a DIB header of one of the sizes that were ever defined.
bool isBitmap(QByteArrayView bytes)
{
    if (!startsWith(bytes, "BM") || bytes.size() < 18) {
        return false;
    }
    const quint32 headerSize = quint32(quint8(bytes[14])) | quint32(quint8(bytes[15])) << 8
        | quint32(quint8(bytes[16])) << 16 | quint32(quint8(bytes[17])) << 24;
    constexpr std::array<quint32, 7> knownSizes { 12, 40, 52, 56, 64, 108, 124 };
    return std::find(knownSizes.begin(), knownSizes.end(), headerSize) != knownSizes.end();
}

// Netpbm: "P1" to "P7" followed by white space.
bool isNetpbm(QByteArrayView bytes)
{
    return bytes.size() >= 3 && bytes[0] == 'P' && bytes[1] >= '1' && bytes[1] <= '7'
        && (bytes[2] == ' ' || bytes[2] == '\n' || bytes[2] == '\r' || bytes[2] == '\t');
}

quint64 readUnsigned(QByteArrayView bytes, qsizetype offset, int size, bool bigEndian)
{
    quint64 value = 0;
    for (int index = 0; index < size; ++index) {
        const quint64 byte = quint8(bytes[offset + (bigEndian ? index : size - 1 - index)]);
        value = value << 8 | byte;
    }
    return value;
}

// A TIFF whose first page holds floating-point samples (SampleFormat 3 or 6): scientific and HDR
// data, a kind of TIFF the program does not read.
bool isFloatingPointTiff(QByteArrayView bytes)
{
    const bool bigEndian = bytes[0] == 'M';
    const bool big = quint8(bytes[2 + (bigEndian ? 1 : 0)]) == 43;
    const int offsetSize = big ? 8 : 4;
    const int countSize = big ? 8 : 2;
    const int entrySize = big ? 20 : 12;
    const qsizetype first = big ? 8 : 4;
    if (bytes.size() < first + offsetSize) {
        return false;
    }
    const quint64 directory = readUnsigned(bytes, first, offsetSize, bigEndian);
    if (directory > quint64(bytes.size()) || bytes.size() - qsizetype(directory) < countSize) {
        return false;
    }
    const quint64 count = readUnsigned(bytes, qsizetype(directory), countSize, bigEndian);
    for (quint64 entry = 0; entry < std::min<quint64>(count, 4096); ++entry) {
        const qsizetype at = qsizetype(directory) + countSize + qsizetype(entry) * entrySize;
        if (at + entrySize > bytes.size()) {
            return false;
        }
        constexpr quint64 sampleFormat = 339;
        if (readUnsigned(bytes, at, 2, bigEndian) == sampleFormat) {
            // One SHORT per sample; the first is held at the start of the value field or, for
            // more samples than fit, at the offset it holds.
            const quint64 samples = readUnsigned(bytes, at + 4, big ? 8 : 4, bigEndian);
            const int valueSize = big ? 8 : 4;
            qsizetype valueAt = at + 4 + (big ? 8 : 4);
            if (samples * 2 > quint64(valueSize)) {
                const quint64 offset = readUnsigned(bytes, valueAt, valueSize, bigEndian);
                if (offset + 2 > quint64(bytes.size())) {
                    return false;
                }
                valueAt = qsizetype(offset);
            }
            const quint64 format = readUnsigned(bytes, valueAt, 2, bigEndian);
            return format == 3 || format == 6;
        }
    }
    return false;
}

// SVG: XML text whose root is <svg>, possibly after a declaration, comments or a doctype.
bool isSvg(QByteArrayView bytes)
{
    QByteArrayView text = bytes.first(std::min<qsizetype>(bytes.size(), 4096));
    if (text.startsWith("\xef\xbb\xbf")) {
        text = text.sliced(3);
    }
    text = text.trimmed();
    if (text.startsWith("<svg")) {
        return true;
    }
    const bool xml = text.startsWith("<?xml") || text.startsWith("<!--") || text.startsWith("<!DOCTYPE");
    return xml && text.contains("<svg");
}

// FITS: a header of 80-character cards opening with "SIMPLE  =" and the value T in column 30.
bool isFits(QByteArrayView bytes)
{
    return startsWith(bytes, "SIMPLE  =") && bytes.size() >= 30 && bytes[29] == 'T'
        && bytes.sliced(9, 20).trimmed().isEmpty();
}

// Truevision TGA has no signature: version 2 files end in one, older ones are told by a header
// whose every field holds one of the few values the format defines.
bool isTarga(QByteArrayView bytes)
{
    if (bytes.size() >= 44 && bytes.last(18) == QByteArrayView("TRUEVISION-XFILE.\0", 18)) {
        return true;
    }
    if (bytes.size() < 18) {
        return false;
    }
    const auto byte = [&](qsizetype offset) { return int(quint8(bytes[offset])); };
    const auto word = [&](qsizetype offset) { return int(readUnsigned(bytes, offset, 2, false)); };
    const int mapType = byte(1);
    const int imageType = byte(2);
    const int mapLength = word(5);
    const int mapEntryBits = byte(7);
    const int width = word(12);
    const int height = word(14);
    const int depth = byte(16);
    const int descriptor = byte(17);
    const bool mapped = imageType == 1 || imageType == 9;
    const bool trueColour = imageType == 2 || imageType == 10;
    const bool grey = imageType == 3 || imageType == 11;
    if (mapType > 1 || (mapType == 1) != mapped || (!mapped && mapLength != 0) || width == 0 || height == 0
        || (descriptor & 0xc0) != 0 || (descriptor & 0x0f) > depth) {
        return false;
    }
    const bool depthFits
        = (mapped && depth == 8
              && (mapEntryBits == 15 || mapEntryBits == 16 || mapEntryBits == 24 || mapEntryBits == 32))
        || (trueColour && (depth == 15 || depth == 16 || depth == 24 || depth == 32))
        || (grey && (depth == 8 || depth == 16));
    if (!depthFits) {
        return false;
    }
    // Uncompressed pixels must all be there; run-length ones take at least a byte a run.
    const qint64 header = 18 + byte(0) + qint64(mapLength) * ((mapEntryBits + 7) / 8);
    const qint64 pixels = imageType < 9 ? qint64(width) * height * ((depth + 7) / 8) : 1;
    return bytes.size() >= header + pixels;
}

std::optional<Container> isoMediaContainer(QByteArrayView bytes)
{
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    const int length = int(std::min<qsizetype>(bytes.size(), 4096));
    const heif_brand2 major = heif_read_main_brand(data, length);
    const auto is = [major](const char* fourcc) { return major == heif_fourcc_to_brand(fourcc); };
    const auto compatible
        = [&](const char* fourcc) { return heif_has_compatible_brand(data, length, fourcc) == 1; };
    if (is("heic") || is("heix") || is("heim") || is("heis") || is("hevc") || is("hevx") || is("hevm")
        || is("hevs")) {
        return Container::heic;
    }
    if (is("avif") || is("avis")) {
        return Container::unsupported;
    }
    if (is("mif1") || is("mif2") || is("msf1")) {
        const bool hevc
            = compatible("heic") || compatible("heix") || compatible("hevc") || compatible("hevx");
        if (!hevc && (compatible("avif") || compatible("avis"))) {
            return Container::unsupported;
        }
        return Container::heif;
    }
    // Other still-image brands in ISO media files: JPEG 2000 in HEIF, JPEG in HEIF, Canon CR3.
    if (is("j2ki") || is("j2is") || is("jpeg") || is("jpgs") || is("crx ") || is("avci")) {
        return Container::unsupported;
    }
    // Anything else with an ftyp box is a movie or audio file.
    return std::nullopt;
}

} // namespace

std::optional<ImageDecoder::Container> ContainerDetector::detect(QByteArrayView bytes)
{
    if (startsWith(bytes, "\x89PNG\r\n\x1a\n")) {
        return Container::png;
    }
    if (startsWith(bytes, "\xff\xd8\xff")) {
        return Container::jpeg;
    }
    if (startsWith(bytes, "GIF87a") || startsWith(bytes, "GIF89a")) {
        return Container::gif;
    }
    if (startsWith(bytes, QByteArrayView("II*\0", 4)) || startsWith(bytes, QByteArrayView("MM\0*", 4))) {
        // Canon's CR2 raw files are TIFF with "CR" after the header.
        return startsWith(bytes, "CR", 8) || isFloatingPointTiff(bytes) ? Container::unsupported
                                                                        : Container::tiff;
    }
    if (startsWith(bytes, QByteArrayView("II+\0", 4)) || startsWith(bytes, QByteArrayView("MM\0+", 4))) {
        return isFloatingPointTiff(bytes) ? Container::unsupported : Container::tiff;
    }
    if (isBitmap(bytes)) {
        return Container::bmp;
    }
    if (startsWith(bytes, "ftyp", 4)) {
        return isoMediaContainer(bytes);
    }
    // Image formats that are recognised only to be refused with a helpful message.
    const bool recognised = (startsWith(bytes, "RIFF") && startsWith(bytes, "WEBP", 8)) // WebP
        || startsWith(bytes, QByteArrayView("\0\0\1\0", 4)) // ICO
        || startsWith(bytes, QByteArrayView("\0\0\2\0", 4)) // CUR
        || isNetpbm(bytes) // PBM, PGM, PPM, PAM
        || startsWith(bytes, "/* XPM */") // XPM
        || startsWith(bytes, "#define ") // XBM
        || startsWith(bytes, "icns") // Apple icon
        || startsWith(bytes, "8BPS") // Photoshop
        || startsWith(bytes, "\x8aMNG\r\n\x1a\n") // MNG
        || startsWith(bytes, QByteArrayView("\0\0\0\x0cjP  \r\n\x87\n", 12)) // JPEG 2000
        || startsWith(bytes, "\xff\x4f\xff\x51") // JPEG 2000 codestream
        || startsWith(bytes, "\xff\x0a") // JPEG XL codestream
        || startsWith(bytes, QByteArrayView("\0\0\0\x0cJXL \r\n\x87\n", 12)) // JPEG XL
        || startsWith(bytes, "v/1\x01") // OpenEXR
        || startsWith(bytes, "DDS ") // DirectDraw surface
        || startsWith(bytes, "#?RADIANCE") || startsWith(bytes, "#?RGBE") // Radiance HDR
        || startsWith(bytes, "qoif") // QOI
        || isSvg(bytes) || isFits(bytes) || isTarga(bytes);
    if (recognised) {
        return Container::unsupported;
    }
    return std::nullopt;
}
