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
        return startsWith(bytes, "CR", 8) ? Container::unsupported : Container::tiff;
    }
    if (startsWith(bytes, QByteArrayView("II+\0", 4)) || startsWith(bytes, QByteArrayView("MM\0+", 4))) {
        return Container::tiff;
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
        || startsWith(bytes, "qoif"); // QOI
    if (recognised) {
        return Container::unsupported;
    }
    return std::nullopt;
}
