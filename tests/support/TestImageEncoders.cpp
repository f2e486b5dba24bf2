#include "TestImageEncoders.h"

#include <gif_lib.h>
#include <gtest/gtest.h>
#include <libheif/heif.h>
#include <QFile>
#include <QTemporaryFile>
#include <tiffio.h>

#include <cstring>
#include <memory>

namespace {

template <auto release> struct Releaser
{
    template <typename T> void operator()(T* object) const { release(object); }
};
template <typename T, auto release> using Owned = std::unique_ptr<T, Releaser<release>>;

heif_error appendToByteArray(heif_context*, const void* data, size_t size, void* userData)
{
    static_cast<QByteArray*>(userData)->append(static_cast<const char*>(data), qsizetype(size));
    return heif_error { heif_error_Ok, heif_suberror_Unspecified, "" };
}

int appendToGif(GifFileType* file, const GifByteType* data, int length)
{
    static_cast<QByteArray*>(file->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

} // namespace

QByteArray TestImageEncoders::heif(const QImage& image, int orientation)
{
    return heif(image, orientation, HeifColour());
}

QByteArray TestImageEncoders::heif(const QImage& source, int orientation, const HeifColour& colour)
{
    // A picture with an alpha channel is written with one, as an auxiliary alpha image.
    const bool alpha = source.hasAlphaChannel();
    const QImage rgb = source.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    const int channels = alpha ? 4 : 3;
    Owned<heif_context, heif_context_free> context(heif_context_alloc());
    heif_encoder* rawEncoder = nullptr;
    if (heif_context_get_encoder_for_format(context.get(), heif_compression_HEVC, &rawEncoder).code
        != heif_error_Ok) {
        ADD_FAILURE() << "libheif encoder unavailable";
        return {};
    }
    Owned<heif_encoder, heif_encoder_release> encoder(rawEncoder);
    const bool described = !colour.iccProfile.isEmpty() || colour.primaries != 0;
    heif_encoder_set_lossy_quality(encoder.get(), 90);
    if (described) {
        heif_encoder_set_lossless(encoder.get(), 1);
    }
    heif_image* rawImage = nullptr;
    heif_image_create(rgb.width(), rgb.height(), heif_colorspace_RGB,
        alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, &rawImage);
    Owned<heif_image, heif_image_release> image(rawImage);
    heif_image_add_plane(image.get(), heif_channel_interleaved, rgb.width(), rgb.height(), 8);
    int stride = 0;
    uint8_t* plane = heif_image_get_plane(image.get(), heif_channel_interleaved, &stride);
    for (int y = 0; y < rgb.height(); ++y) {
        std::memcpy(
            plane + qsizetype(y) * stride, rgb.constScanLine(y), size_t(rgb.width()) * size_t(channels));
    }
    if (!colour.iccProfile.isEmpty()) {
        heif_image_set_raw_color_profile(
            image.get(), "prof", colour.iccProfile.constData(), size_t(colour.iccProfile.size()));
    }
    Owned<heif_encoding_options, heif_encoding_options_free> options(heif_encoding_options_alloc());
    options->image_orientation = heif_orientation(orientation);
    const Owned<heif_color_profile_nclx, heif_nclx_color_profile_free> nclx(heif_nclx_color_profile_alloc());
    if (colour.primaries != 0) {
        heif_nclx_color_profile_set_color_primaries(nclx.get(), uint16_t(colour.primaries));
        heif_nclx_color_profile_set_transfer_characteristics(nclx.get(), uint16_t(colour.transfer));
        heif_nclx_color_profile_set_matrix_coefficients(nclx.get(), 6);
        nclx->full_range_flag = 1;
        heif_image_set_nclx_color_profile(image.get(), nclx.get());
        options->output_nclx_profile = nclx.get();
        options->macOS_compatibility_workaround_no_nclx_profile = 0;
    }
    const heif_error encoded
        = heif_context_encode_image(context.get(), image.get(), encoder.get(), options.get(), nullptr);
    if (encoded.code != heif_error_Ok) {
        ADD_FAILURE() << "libheif could not encode: " << encoded.message;
        return {};
    }
    QByteArray bytes;
    heif_writer writer { 1, appendToByteArray };
    heif_context_write(context.get(), &writer, &bytes);
    return bytes;
}

QByteArray TestImageEncoders::tiff(const QList<QImage>& pages, int orientation, const QByteArray& iccProfile)
{
    // libtiff writes to a path; a temporary file keeps that away from the caller.
    QTemporaryFile file;
    if (!file.open()) {
        ADD_FAILURE() << "no temporary file for TIFF";
        return {};
    }
    const QByteArray path = QFile::encodeName(file.fileName());
    TIFF* tiff = TIFFOpen(path.constData(), "w");
    if (tiff == nullptr) {
        ADD_FAILURE() << "libtiff could not open " << path.constData();
        return {};
    }
    for (qsizetype page = 0; page < pages.size(); ++page) {
        const QImage rgb = pages[page].convertToFormat(QImage::Format_RGB888);
        // Every one of these tags is read from a 32-bit or promoted 16-bit variadic argument.
        for (const auto& [tag, value] : { std::pair { TIFFTAG_IMAGEWIDTH, rgb.width() },
                 { TIFFTAG_IMAGELENGTH, rgb.height() }, { TIFFTAG_BITSPERSAMPLE, 8 },
                 { TIFFTAG_SAMPLESPERPIXEL, 3 }, { TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB },
                 { TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG }, { TIFFTAG_COMPRESSION, COMPRESSION_LZW },
                 { TIFFTAG_ORIENTATION, orientation }, { TIFFTAG_ROWSPERSTRIP, 16 } }) {
            TIFFSetField(tiff, tag, uint32_t(value));
        }
        if (!iccProfile.isEmpty()) {
            TIFFSetField(tiff, TIFFTAG_ICCPROFILE, uint32_t(iccProfile.size()), iccProfile.constData());
        }
        if (pages.size() > 1) {
            TIFFSetField(tiff, TIFFTAG_SUBFILETYPE, FILETYPE_PAGE);
            TIFFSetField(tiff, TIFFTAG_PAGENUMBER, uint16_t(page), uint16_t(pages.size()));
        }
        for (int y = 0; y < rgb.height(); ++y) {
            TIFFWriteScanline(tiff, const_cast<uchar*>(rgb.constScanLine(y)), uint32_t(y), 0);
        }
        TIFFWriteDirectory(tiff);
    }
    TIFFClose(tiff);
    QFile written(file.fileName());
    written.open(QIODevice::ReadOnly);
    return written.readAll();
}

QByteArray TestImageEncoders::gif(const QList<QImage>& frames)
{
    QByteArray bytes;
    int error = 0;
    GifFileType* file = EGifOpen(&bytes, appendToGif, &error);
    if (file == nullptr || frames.isEmpty()) {
        ADD_FAILURE() << "no GIF to write: " << GifErrorString(error);
        return {};
    }
    const QSize size = frames.first().size();
    bool written = EGifPutScreenDesc(file, size.width(), size.height(), 8, 0, nullptr) == GIF_OK;
    for (const QImage& frame : frames) {
        // giflib masks the pixels of each line in place, so the image must own its buffer.
        QImage indexed = frame.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
        const Owned<ColorMapObject, GifFreeMapObject> map(GifMakeMapObject(256, nullptr));
        const QList<QRgb> table = indexed.colorTable();
        for (qsizetype index = 0; index < table.size(); ++index) {
            map->Colors[index] = { GifByteType(qRed(table[index])), GifByteType(qGreen(table[index])),
                GifByteType(qBlue(table[index])) };
        }
        written = written
            && EGifPutImageDesc(file, 0, 0, indexed.width(), indexed.height(), false, map.get()) == GIF_OK;
        for (int y = 0; written && y < indexed.height(); ++y) {
            written = EGifPutLine(file, indexed.scanLine(y), indexed.width()) == GIF_OK;
        }
    }
    if (!written) {
        ADD_FAILURE() << "giflib could not write the GIF: " << GifErrorString(file->Error);
    }
    EGifCloseFile(file, nullptr);
    return written ? bytes : QByteArray();
}

QByteArray TestImageEncoders::bmp(QSize size, int bitsPerPixel, quint32 compression,
    const QList<quint32>& masks, const QList<QRgb>& palette, const QByteArray& pixels,
    const QByteArray& iccProfile)
{
    QByteArray bytes("BM");
    const auto append = [&bytes](quint32 value, int size) {
        for (int index = 0; index < size; ++index) {
            bytes.append(char((value >> (8 * index)) & 0xff));
        }
    };
    const quint32 header = iccProfile.isEmpty() ? 40 : 124;
    const quint32 offset = 14 + header + quint32(masks.size() + palette.size()) * 4;
    for (const quint32 value : { offset + quint32(pixels.size() + iccProfile.size()), 0u, offset, header,
             quint32(size.width()), quint32(size.height()) }) {
        append(value, 4);
    }
    append(1, 2);
    append(quint32(bitsPerPixel), 2);
    for (const quint32 value :
        { compression, quint32(pixels.size()), 2835u, 2835u, quint32(palette.size()), 0u }) {
        append(value, 4);
    }
    if (!iccProfile.isEmpty()) {
        bytes.append(QByteArray(16, '\0')); // no masks
        append(0x4d424544, 4); // 'MBED': an embedded profile
        bytes.append(QByteArray(52, '\0'));
        for (const quint32 value : { header + quint32(pixels.size()), quint32(iccProfile.size()), 0u }) {
            append(value, 4);
        }
    }
    for (const quint32 mask : masks) {
        append(mask, 4);
    }
    for (const QRgb colour : palette) {
        append(colour & 0xffffff, 4); // blue, green, red, reserved
    }
    return bytes + pixels + iccProfile;
}

// x265, under libheif's HEVC encoder, keeps a little global state for the life of the process;
// LeakSanitizer would otherwise fail every suite that makes a HEIC.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libx265\n";
}
