#include "TestImageEncoders.h"

#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <png.h>
#include <vector>

namespace {

// One libjpeg compression to memory at quality 100 without chroma subsampling; errors of these
// fixed, valid inputs end the test.
QByteArray compressed(QSize size, int components, J_COLOR_SPACE space, const QByteArray& iccProfile,
    const std::vector<uchar>& pixels)
{
    jpeg_compress_struct info {};
    jpeg_error_mgr errors {};
    unsigned char* buffer = nullptr;
    unsigned long bytes = 0;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &bytes);
    info.image_width = JDIMENSION(size.width());
    info.image_height = JDIMENSION(size.height());
    info.input_components = components;
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    for (int component = 0; component < info.num_components; ++component) {
        info.comp_info[component].h_samp_factor = 1;
        info.comp_info[component].v_samp_factor = 1;
    }
    jpeg_start_compress(&info, TRUE);
    if (!iccProfile.isEmpty()) {
        jpeg_write_icc_profile(
            &info, reinterpret_cast<const JOCTET*>(iccProfile.constData()), unsigned(iccProfile.size()));
    }
    const std::size_t stride = std::size_t(size.width()) * std::size_t(components);
    while (info.next_scanline < info.image_height) {
        JSAMPROW line = const_cast<JSAMPROW>(pixels.data() + stride * info.next_scanline);
        jpeg_write_scanlines(&info, &line, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const QByteArray result(reinterpret_cast<const char*>(buffer), qsizetype(bytes));
    std::free(buffer);
    return result;
}

void appendToByteArray(png_structp png, png_bytep data, png_size_t length)
{
    static_cast<QByteArray*>(png_get_io_ptr(png))
        ->append(reinterpret_cast<const char*>(data), qsizetype(length));
}

// libpng reports failure by longjmp: this frame changes none of its locals after setjmp, so none
// can be clobbered, and everything the writing changes lives in `write`.
bool jumpGuarded(png_structp png, const std::function<void()>& write)
{
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    write();
    return true;
}

// A PNG written row by row: `header` sets IHDR and any colour chunks, `row` gives row y.
QByteArray writtenPng(const std::function<void(png_structp, png_infop)>& header, int height,
    const std::function<const png_byte*(int)>& row)
{
    QByteArray bytes;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &bytes, appendToByteArray, nullptr);
    const bool written = jumpGuarded(png, [&] {
        header(png, info);
        png_write_info(png, info);
        const int passes = png_set_interlace_handling(png);
        for (int pass = 0; pass < passes; ++pass) {
            for (int y = 0; y < height; ++y) {
                png_write_row(png, row(y));
            }
        }
        png_write_end(png, info);
    });
    png_destroy_write_struct(&png, &info);
    if (!written) {
        ADD_FAILURE() << "libpng could not write the PNG";
        return {};
    }
    return bytes;
}

} // namespace

QByteArray TestImageEncoders::jpeg(const QImage& image, const QByteArray& iccProfile)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    std::vector<uchar> pixels;
    for (int y = 0; y < rgb.height(); ++y) {
        pixels.insert(pixels.end(), rgb.constScanLine(y), rgb.constScanLine(y) + rgb.width() * 3);
    }
    return compressed(rgb.size(), 3, JCS_RGB, iccProfile, pixels);
}

QByteArray TestImageEncoders::cmykJpeg(
    QSize size, const std::array<Inks, 4>& quadrants, const QByteArray& iccProfile)
{
    std::vector<uchar> pixels;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const Inks& ink = quadrants[std::size_t((y * 2 / size.height()) * 2 + x * 2 / size.width())];
            for (const uchar value : ink) {
                pixels.push_back(uchar(255 - value));
            }
        }
    }
    // jpeg_set_defaults picks YCCK and the Adobe marker for CMYK input, as Photoshop does.
    return compressed(size, 4, JCS_CMYK, iccProfile, pixels);
}

QByteArray TestImageEncoders::png(const QImage& image, const PngColour& colour)
{
    const bool alpha = image.hasAlphaChannel();
    const bool grey = image.format() == QImage::Format_Grayscale8;
    const QImage rgb
        = grey ? image : image.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    const auto header = [&](png_structp png, png_infop info) {
        png_set_IHDR(png, info, png_uint_32(rgb.width()), png_uint_32(rgb.height()), 8,
            grey ? PNG_COLOR_TYPE_GRAY : (alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB),
            colour.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
            PNG_FILTER_TYPE_DEFAULT);
        if (!colour.iccProfile.isEmpty()) {
            // Broken profiles are written too: the decoder, not the writer, is under test.
            png_set_option(png, PNG_SKIP_sRGB_CHECK_PROFILE, PNG_OPTION_ON);
            png_set_benign_errors(png, 1);
            png_set_iCCP(png, info, "test", PNG_COMPRESSION_TYPE_BASE,
                reinterpret_cast<png_const_bytep>(colour.iccProfile.constData()),
                png_uint_32(colour.iccProfile.size()));
        }
        if (colour.gamma > 0) {
            png_set_gAMA(png, info, colour.gamma);
        }
        const std::array<double, 8>& xy = colour.chromaticities;
        if (xy[0] > 0) {
            png_set_cHRM(png, info, xy[0], xy[1], xy[2], xy[3], xy[4], xy[5], xy[6], xy[7]);
        }
    };
    return writtenPng(header, rgb.height(), [&](int y) { return rgb.constScanLine(y); });
}

QByteArray TestImageEncoders::largePng(QSize size)
{
    const std::vector<png_byte> white((std::size_t(size.width()) + 7) / 8, 0xff);
    const std::vector<png_byte> black(white.size(), 0x00);
    const auto header = [&](png_structp png, png_infop info) {
        png_set_compression_level(png, 1);
        png_set_IHDR(png, info, png_uint_32(size.width()), png_uint_32(size.height()), 1, PNG_COLOR_TYPE_GRAY,
            PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    };
    return writtenPng(
        header, size.height(), [&](int y) { return (y < size.height() / 2 ? white : black).data(); });
}
