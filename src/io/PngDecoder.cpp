#include "io/PngDecoder.h"

#include "io/AreaDownsampler.h"
#include "io/ColourTransform.h"
#include "io/ExifOrientation.h"

#include <cmath>
#include <csetjmp>
#include <cstring>
#include <memory>
#include <png.h>
#include <vector>

namespace {

quint32 bigEndian32(const QByteArray& data, qsizetype offset)
{
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData()) + offset;
    return quint32(bytes[0]) << 24 | quint32(bytes[1]) << 16 | quint32(bytes[2]) << 8 | quint32(bytes[3]);
}

bool validHeader(int bitDepth, int colourType)
{
    switch (colourType) {
    case 0:
        return bitDepth == 1 || bitDepth == 2 || bitDepth == 4 || bitDepth == 8 || bitDepth == 16;
    case 3:
        return bitDepth == 1 || bitDepth == 2 || bitDepth == 4 || bitDepth == 8;
    case 2:
    case 4:
    case 6:
        return bitDepth == 8 || bitDepth == 16;
    default:
        return false;
    }
}

struct MemoryInput
{
    const QByteArray& data;
    qsizetype position;
};

void readFromMemory(png_structp png, png_bytep target, png_size_t length)
{
    auto* input = static_cast<MemoryInput*>(png_get_io_ptr(png));
    if (length > png_size_t(input->data.size() - input->position)) {
        png_error(png, "truncated");
    }
    std::memcpy(target, input->data.constData() + input->position, length);
    input->position += qsizetype(length);
}

void ignoreWarning(png_structp, png_const_charp) { }

// Damaged files are reported by the null result, not on the terminal.
[[noreturn]] void jumpOnError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

// Owns the libpng structures for one decode.
class PngSession
{
public:
    PngSession()
        : m_png(png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, jumpOnError, ignoreWarning))
        , m_info(m_png ? png_create_info_struct(m_png) : nullptr)
    { }
    ~PngSession() { png_destroy_read_struct(&m_png, m_info ? &m_info : nullptr, nullptr); }
    PngSession(const PngSession&) = delete;
    PngSession& operator=(const PngSession&) = delete;

    png_structp png() const { return m_png; }
    png_infop info() const { return m_info; }
    bool valid() const { return m_png && m_info; }

private:
    png_structp m_png;
    png_infop m_info;
};

bool nearly(double value, double expected)
{
    return std::abs(value - expected) < 0.01;
}

// cHRM and gAMA describe a matrix-and-curve space. A 1/2.2 gamma with sRGB's primaries (or none)
// is how many programs wrote "sRGB" before the sRGB chunk existed, and is taken as sRGB.
ColourProfile chromaticitiesAndGamma(png_structp png, png_infop info)
{
    ColourProfile::Chromaticities xy = ColourProfile::srgbChromaticities;
    const bool hasPrimaries = png_get_cHRM(
        png, info, &xy.whiteX, &xy.whiteY, &xy.redX, &xy.redY, &xy.greenX, &xy.greenY, &xy.blueX, &xy.blueY);
    double gamma = 0;
    const bool hasGamma = png_get_gAMA(png, info, &gamma) && gamma > 0;
    const ColourProfile::Chromaticities& srgb = ColourProfile::srgbChromaticities;
    const bool srgbPrimaries = !hasPrimaries
        || (nearly(xy.whiteX, srgb.whiteX) && nearly(xy.whiteY, srgb.whiteY) && nearly(xy.redX, srgb.redX)
            && nearly(xy.redY, srgb.redY) && nearly(xy.greenX, srgb.greenX) && nearly(xy.greenY, srgb.greenY)
            && nearly(xy.blueX, srgb.blueX) && nearly(xy.blueY, srgb.blueY));
    if (srgbPrimaries && (!hasGamma || std::abs(gamma - 1 / 2.2) < 0.005)) {
        return {};
    }
    return hasGamma ? ColourProfile::fromChromaticities(xy, ColourProfile::Curve::gamma, 1 / gamma)
                    : ColourProfile::fromChromaticities(xy, ColourProfile::Curve::srgb);
}

// An ICC profile comes first, then the sRGB chunk, then cHRM and gAMA.
ColourProfile colourProfile(png_structp png, png_infop info)
{
    png_charp name = nullptr;
    int compression = 0;
    png_bytep profile = nullptr;
    png_uint_32 length = 0;
    if (png_get_iCCP(png, info, &name, &compression, &profile, &length) && profile && length > 0) {
        return ColourProfile::fromIcc(QByteArray(reinterpret_cast<const char*>(profile), qsizetype(length)));
    }
    if (png_get_valid(png, info, PNG_INFO_sRGB)) {
        return {};
    }
    return chromaticitiesAndGamma(png, info);
}

// libpng reports errors by longjmp: everything with a destructor lives in the callers, so a
// jump out of libpng skips nothing. Returns false on a damaged file.
bool setUp(const PngSession& session, MemoryInput& input, bool& opaque, int& passes, ColourProfile& profile)
{
    png_structp png = session.png();
    png_infop info = session.info();
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    png_set_read_fn(png, &input, readFromMemory);
    png_read_info(png, info);
    profile = colourProfile(png, info);
    const int colourType = png_get_color_type(png, info);
    opaque = !(colourType & PNG_COLOR_MASK_ALPHA) && !png_get_valid(png, info, PNG_INFO_tRNS);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    // A QRgb in memory is B, G, R, A on little-endian machines and A, R, G, B on big-endian ones.
    constexpr bool littleEndian = Q_BYTE_ORDER == Q_LITTLE_ENDIAN;
    if (opaque) {
        png_set_filler(png, 0xff, littleEndian ? PNG_FILLER_AFTER : PNG_FILLER_BEFORE);
    }
    if (littleEndian) {
        png_set_bgr(png);
    } else {
        png_set_swap_alpha(png);
    }
    passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    return png_get_rowbytes(png, info) == png_size_t(png_get_image_width(png, info)) * 4;
}

bool readRows(const PngSession& session, QRgb* rows, int passes, int rowCount, bool opaque,
    AreaDownsampler& downsampler)
{
    png_structp png = session.png();
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    const std::size_t width = std::size_t(downsampler.inputSize().width());
    const bool whole = passes > 1;
    for (int pass = 0; pass < passes; ++pass) {
        for (int y = 0; y < rowCount; ++y) {
            QRgb* row = rows + (whole ? std::size_t(y) * width : 0);
            png_read_row(png, reinterpret_cast<png_bytep>(row), nullptr);
            if (!whole) {
                if (!opaque) {
                    for (std::size_t x = 0; x < width; ++x) {
                        row[x] = qPremultiply(row[x]);
                    }
                }
                downsampler.addRow(row);
            }
        }
    }
    if (whole) {
        for (int y = 0; y < rowCount; ++y) {
            QRgb* row = rows + std::size_t(y) * width;
            if (!opaque) {
                for (std::size_t x = 0; x < width; ++x) {
                    row[x] = qPremultiply(row[x]);
                }
            }
            downsampler.addRow(row);
        }
    }
    return true;
}

} // namespace

std::optional<ImageDecoder::Probe> PngDecoder::probe(const QByteArray& data)
{
    // Signature, then IHDR as the first chunk: length 13, "IHDR", width, height, depth, colour.
    if (data.size() < 8 + 8 + 13 + 4 || bigEndian32(data, 8) != 13 || data.mid(12, 4) != "IHDR") {
        return std::nullopt;
    }
    const quint32 width = bigEndian32(data, 16);
    const quint32 height = bigEndian32(data, 20);
    const int bitDepth = quint8(data[24]);
    const int colourType = quint8(data[25]);
    if (width == 0 || height == 0 || width > 0x7fffffffu || height > 0x7fffffffu
        || !validHeader(bitDepth, colourType)) {
        return std::nullopt;
    }
    ImageDecoder::Probe result;
    result.container = ImageDecoder::Container::png;
    result.storedSize = QSize(int(width), int(height));
    // An eXIf chunk, if any, comes before the image data.
    for (qsizetype offset = 8; offset + 12 <= data.size();) {
        const qint64 length = bigEndian32(data, offset);
        const QByteArray type = data.mid(offset + 4, 4);
        if (type == "IDAT" || type == "IEND" || offset + 12 + length > data.size()) {
            break;
        }
        if (type == "eXIf") {
            result.orientation = ExifOrientation::fromExif(QByteArrayView(data).sliced(offset + 8, length));
            break;
        }
        offset += 12 + length;
    }
    return result;
}

QImage PngDecoder::decode(const QByteArray& data, QSize outputSize, QImage::Format opaqueFormat)
{
    const std::optional<ImageDecoder::Probe> header = probe(data);
    if (!header) {
        return {};
    }
    PngSession session;
    if (!session.valid()) {
        return {};
    }
    MemoryInput input { data, 0 };
    bool opaque = true;
    int passes = 1;
    ColourProfile profile;
    if (!setUp(session, input, opaque, passes, profile)) {
        return {};
    }
    const QSize size = header->storedSize;
    AreaDownsampler downsampler(size, outputSize, opaque, opaqueFormat);
    if (downsampler.isNull()) {
        return {};
    }
    // Not zero-filled: every pixel is written by its pass before it is read, and a file that only
    // claims a huge interlaced picture fails before most of the buffer's pages are ever touched.
    const auto rows = std::make_unique_for_overwrite<QRgb[]>(
        std::size_t(size.width()) * (passes > 1 ? std::size_t(size.height()) : 1));
    if (!readRows(session, rows.get(), passes, size.height(), opaque, downsampler)) {
        return {};
    }
    QImage result = downsampler.result();
    ColourTransform::convertToSrgb(result, profile);
    return result;
}
