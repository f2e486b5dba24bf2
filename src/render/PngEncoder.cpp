#include "render/PngEncoder.h"

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <png.h>
#include <vector>
#include <zlib.h>

namespace {
void writeBytes(png_structp png, png_bytep data, size_t length)
{
    auto* bytes = static_cast<QByteArray*>(png_get_io_ptr(png));
    try {
        bytes->append(reinterpret_cast<const char*>(data), qsizetype(length));
    } catch (...) {
        // Exceptions must not cross libpng's C frames; its error path unwinds instead.
        png_error(png, "out of memory");
    }
}

void flushNothing(png_structp) { }

// libpng reports errors by jumping back to a setjmp; warnings are not failures.
void ignoreWarning(png_structp, png_const_charp) { }

// Straight alpha from premultiplied; false when the row is opaque and needs no copy.
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
} // namespace

struct PngEncoder::State
{
    const QImage& image;
    png_structp png = nullptr;
    png_infop info = nullptr;
    QByteArray bytes;
    std::vector<uchar> straightRow;
    int nextRow = 0;
    bool failed = false;

    explicit State(const QImage& source)
        : image(source)
        , straightRow(size_t(std::max(source.width(), 0)) * 4)
    { }
    ~State() { png_destroy_write_struct(&png, &info); }
};

// Each entry into libpng sets its own jump target; only C state lives between the setjmp and a
// jump back, everything with a destructor belongs to State.
PngEncoder::PngEncoder(const QImage& image, int dotsPerMeter)
    : m_state(std::make_unique<State>(image))
{
    State& state = *m_state;
    const bool supported = image.format() == QImage::Format_RGBA8888_Premultiplied
        || image.format() == QImage::Format_RGBA8888;
    state.png = supported ? png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, ignoreWarning)
                          : nullptr;
    state.info = state.png != nullptr ? png_create_info_struct(state.png) : nullptr;
    if (image.isNull() || state.info == nullptr || setjmp(png_jmpbuf(state.png))) {
        state.failed = true;
        return;
    }
    png_set_write_fn(state.png, &state.bytes, writeBytes, flushNothing);
    png_set_IHDR(state.png, state.info, png_uint_32(image.width()), png_uint_32(image.height()), 8,
        PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_sRGB_gAMA_and_cHRM(state.png, state.info, PNG_sRGB_INTENT_PERCEPTUAL);
    png_set_pHYs(
        state.png, state.info, png_uint_32(dotsPerMeter), png_uint_32(dotsPerMeter), PNG_RESOLUTION_METER);
    // With the run-length strategy the level changes little but the speed.
    png_set_compression_level(state.png, 1);
    png_set_compression_strategy(state.png, Z_RLE);
    png_set_filter(state.png, PNG_FILTER_TYPE_BASE, PNG_FILTER_PAETH);
    png_set_compression_buffer_size(state.png, 1 << 20);
    png_write_info(state.png, state.info);
}

PngEncoder::~PngEncoder() = default;

bool PngEncoder::writeRowsBefore(int row)
{
    State& state = *m_state;
    if (state.failed || setjmp(png_jmpbuf(state.png))) {
        state.failed = true;
        return false;
    }
    const bool premultiplied = state.image.format() == QImage::Format_RGBA8888_Premultiplied;
    const int end = std::min(row, state.image.height());
    for (; state.nextRow < end; ++state.nextRow) {
        const uchar* pixels = state.image.constScanLine(state.nextRow);
        if (premultiplied && unpremultiplyRow(pixels, state.straightRow.data(), state.image.width())) {
            pixels = state.straightRow.data();
        }
        png_write_row(state.png, const_cast<png_bytep>(pixels));
    }
    return true;
}

std::optional<QByteArray> PngEncoder::finish()
{
    State& state = *m_state;
    if (!writeRowsBefore(state.image.height()) || setjmp(png_jmpbuf(state.png))) {
        state.failed = true;
        return std::nullopt;
    }
    png_write_end(state.png, state.info);
    return std::move(state.bytes);
}

std::optional<QByteArray> PngEncoder::encode(const QImage& image, int dotsPerMeter)
{
    const QImage source = image.format() == QImage::Format_RGBA8888
        ? image
        : image.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
    PngEncoder encoder(source, dotsPerMeter);
    return encoder.finish();
}
