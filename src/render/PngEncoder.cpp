#include "render/PngEncoder.h"

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <png.h>
#include <vector>
#include <zlib.h>

namespace {
struct Output
{
    QByteArray* bytes = nullptr;
};

void writeBytes(png_structp png, png_bytep data, size_t length)
{
    auto* output = static_cast<Output*>(png_get_io_ptr(png));
    try {
        output->bytes->append(reinterpret_cast<const char*>(data), qsizetype(length));
    } catch (...) {
        // Exceptions must not cross libpng's C frames; its error path unwinds instead.
        png_error(png, "out of memory");
    }
}

void flushNothing(png_structp) { }

// libpng reports errors by jumping back to the setjmp below; warnings are not failures.
void ignoreWarning(png_structp, png_const_charp) { }

// Straight alpha from premultiplied, in place; rows of an opaque board pass through untouched.
bool unpremultiplyRow(const uchar* source, uchar* target, int width)
{
    bool changed = false;
    for (int x = 0; x < width; ++x) {
        const uchar* pixel = source + 4 * x;
        uchar* out = target + 4 * x;
        const uchar alpha = pixel[3];
        if (alpha == 255) {
            std::memcpy(out, pixel, 4);
            continue;
        }
        changed = true;
        for (int channel = 0; channel < 3; ++channel) {
            out[channel] = alpha == 0 ? 0 : uchar(std::min(255, (pixel[channel] * 255 + alpha / 2) / alpha));
        }
        out[3] = alpha;
    }
    return changed;
}

// Everything that may be jumped over lives in the caller; this frame holds only C state.
bool writeImage(png_structp png, png_infop info, const QImage& image, int dotsPerMeter, int level,
    uchar* straightRow, Output* output)
{
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    png_set_write_fn(png, output, writeBytes, flushNothing);
    png_set_IHDR(png, info, png_uint_32(image.width()), png_uint_32(image.height()), 8,
        PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_sRGB_gAMA_and_cHRM(png, info, PNG_sRGB_INTENT_PERCEPTUAL);
    png_set_pHYs(png, info, png_uint_32(dotsPerMeter), png_uint_32(dotsPerMeter), PNG_RESOLUTION_METER);
    png_set_compression_level(png, level);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_PAETH);
    png_set_compression_strategy(png, Z_RLE);
    png_set_compression_buffer_size(png, 1 << 20);
    png_write_info(png, info);
    const bool premultiplied = image.format() == QImage::Format_RGBA8888_Premultiplied;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        if (premultiplied && unpremultiplyRow(row, straightRow, image.width())) {
            row = straightRow;
        }
        png_write_row(png, const_cast<png_bytep>(row));
    }
    png_write_end(png, info);
    return true;
}
} // namespace

std::optional<QByteArray> PngEncoder::encode(const QImage& image, int dotsPerMeter, int compressionLevel)
{
    if (image.isNull()) {
        return std::nullopt;
    }
    QImage source = image;
    if (source.format() != QImage::Format_RGBA8888_Premultiplied
        && source.format() != QImage::Format_RGBA8888) {
        source = source.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
        if (source.isNull()) {
            return std::nullopt;
        }
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, ignoreWarning);
    if (png == nullptr) {
        return std::nullopt;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return std::nullopt;
    }
    QByteArray bytes;
    Output output { &bytes };
    std::vector<uchar> straightRow(size_t(source.width()) * 4);
    const bool written
        = writeImage(png, info, source, dotsPerMeter, compressionLevel, straightRow.data(), &output);
    png_destroy_write_struct(&png, &info);
    if (!written) {
        return std::nullopt;
    }
    return bytes;
}
