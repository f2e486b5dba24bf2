#include "io/JpegDecoder.h"

#include "io/AreaDownsampler.h"
#include "io/ColourTransform.h"
#include "io/DownsamplingThread.h"
#include "io/ExifOrientation.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace {

struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
    // Set when the data ended before the picture did; the scanline the decoder had reached.
    bool endedEarly = false;
    JDIMENSION endedAtScanline = 0;
};

[[noreturn]] void jumpOnError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Warnings are silent, except the one that says the file was cut short.
void noteWarning(j_common_ptr info, int level)
{
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    if (level < 0 && errors->base.msg_code == JWRN_JPEG_EOF && !errors->endedEarly) {
        errors->endedEarly = true;
        errors->endedAtScanline = reinterpret_cast<j_decompress_ptr>(info)->output_scanline;
    }
}

// Owns one decompressor. libjpeg reports errors by longjmp, so every object with a destructor
// lives outside the functions that call into it.
class JpegSession
{
public:
    explicit JpegSession(const QByteArray& data)
    {
        m_info.err = jpeg_std_error(&m_errors.base);
        m_errors.base.error_exit = jumpOnError;
        m_errors.base.emit_message = noteWarning;
        jpeg_create_decompress(&m_info);
        jpeg_mem_src(&m_info, reinterpret_cast<const unsigned char*>(data.constData()),
            static_cast<unsigned long>(data.size()));
    }
    ~JpegSession() { jpeg_destroy_decompress(&m_info); }
    JpegSession(const JpegSession&) = delete;
    JpegSession& operator=(const JpegSession&) = delete;

    jpeg_decompress_struct& info() { return m_info; }
    ErrorManager& errors() { return m_errors; }

private:
    jpeg_decompress_struct m_info {};
    ErrorManager m_errors {};
};

// The probe keeps APP1 for the EXIF orientation; the decode keeps APP2 for the ICC profile.
bool readHeader(JpegSession& session, int keptMarker)
{
    if (setjmp(session.errors().jump)) {
        return false;
    }
    jpeg_save_markers(&session.info(), keptMarker, 0xffff);
    return jpeg_read_header(&session.info(), TRUE) == JPEG_HEADER_OK;
}

// The ICC profile, joined from its APP2 chunks; empty when there is none or it is incomplete.
QByteArray iccProfile(JpegSession& session)
{
    JOCTET* profile = nullptr;
    unsigned int length = 0;
    if (setjmp(session.errors().jump)) {
        return {};
    }
    if (!jpeg_read_icc_profile(&session.info(), &profile, &length) || !profile) {
        return {};
    }
    const QByteArray bytes(reinterpret_cast<const char*>(profile), qsizetype(length));
    std::free(profile);
    return bytes;
}

// Picks the scale and colour space and starts decoding; the output size is then known.
bool start(JpegSession& session, QSize outputSize)
{
    jpeg_decompress_struct& info = session.info();
    if (setjmp(session.errors().jump)) {
        return false;
    }
    info.scale_denom = 8;
    info.scale_num = unsigned(
        JpegDecoder::scaleEighths(QSize(int(info.image_width), int(info.image_height)), outputSize));
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    if (cmyk) {
        info.out_color_space = JCS_CMYK;
    } else {
        info.out_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB;
    }
    return jpeg_start_decompress(&info) == TRUE && info.output_components == 4;
}

// A file cut off before its last block row is damaged however much of it decodes.
bool endedTooEarly(const jpeg_decompress_struct& info, const ErrorManager& errors)
{
    const JDIMENSION lastBlockRow = info.max_v_samp_factor * JDIMENSION(info.min_DCT_scaled_size);
    return errors.endedEarly && errors.endedAtScanline + lastBlockRow < info.output_height;
}

// Adobe writes CMYK JPEGs inverted, as nearly every CMYK JPEG in the wild is. Without a CMYK
// profile the inks are simply multiplied out.
void cmykToRgb(QRgb* row, std::size_t width, const ColourTransform* profile)
{
    if (profile) {
        profile->convert(row, row, int(width));
        return;
    }
    const auto* samples = reinterpret_cast<const uchar*>(row);
    for (std::size_t x = 0; x < width; ++x) {
        const int k = samples[x * 4 + 3];
        const int red = samples[x * 4] * k / 255;
        const int green = samples[x * 4 + 1] * k / 255;
        const int blue = samples[x * 4 + 2] * k / 255;
        row[x] = qRgb(red, green, blue);
    }
}

bool readScanlines(JpegSession& session, DownsamplingThread& downsampler, const ColourTransform* cmykProfile)
{
    jpeg_decompress_struct& info = session.info();
    if (setjmp(session.errors().jump)) {
        return false;
    }
    const bool cmyk = info.out_color_space == JCS_CMYK;
    while (info.output_scanline < info.output_height) {
        // Once the data has run out too early the result is refused anyway: stop instead of
        // decoding the padding the library invents for the rest of a picture of any size.
        if (endedTooEarly(info, session.errors())) {
            return false;
        }
        QRgb* row = downsampler.nextRow();
        auto* line = reinterpret_cast<JSAMPROW>(row);
        if (jpeg_read_scanlines(&info, &line, 1) != 1) {
            return false;
        }
        if (cmyk) {
            cmykToRgb(row, info.output_width, cmykProfile);
        }
        downsampler.rowWritten();
    }
    return true;
}

} // namespace

std::optional<ImageDecoder::Probe> JpegDecoder::probe(const QByteArray& data)
{
    JpegSession session(data);
    if (!readHeader(session, JPEG_APP0 + 1)) {
        return std::nullopt;
    }
    const jpeg_decompress_struct& info = session.info();
    ImageDecoder::Probe result;
    result.container = ImageDecoder::Container::jpeg;
    result.storedSize = QSize(int(info.image_width), int(info.image_height));
    for (jpeg_saved_marker_ptr marker = info.marker_list; marker; marker = marker->next) {
        const QByteArrayView payload(
            reinterpret_cast<const char*>(marker->data), qsizetype(marker->data_length));
        if (marker->marker == JPEG_APP0 + 1 && payload.startsWith(QByteArrayView("Exif\0\0", 6))) {
            result.orientation = ExifOrientation::fromExif(payload);
            break;
        }
    }
    if (result.storedSize.isEmpty()) {
        return std::nullopt;
    }
    return result;
}

int JpegDecoder::scaleEighths(QSize storedSize, QSize outputSize)
{
    // libjpeg rounds scaled sizes up.
    const auto covers = [&](int eighths) {
        const auto scaled = [eighths](int side) { return (qint64(side) * eighths + 7) / 8; };
        return scaled(storedSize.width()) >= outputSize.width()
            && scaled(storedSize.height()) >= outputSize.height();
    };
    for (int eighths = 1; eighths < 8; ++eighths) {
        if (covers(eighths)) {
            // libjpeg-turbo's inverse transforms for 1/2 use SIMD, those for 3/8 do not: decoding
            // the larger 1/2 and averaging more rows takes less time.
            return eighths == 3 ? 4 : eighths;
        }
    }
    return 8;
}

QImage JpegDecoder::decode(const QByteArray& data, QSize outputSize, QImage::Format opaqueFormat)
{
    JpegSession session(data);
    if (!readHeader(session, JPEG_APP0 + 2)) {
        return {};
    }
    const ColourProfile profile = ColourProfile::fromIcc(iccProfile(session));
    if (!start(session, outputSize)) {
        return {};
    }
    const jpeg_decompress_struct& info = session.info();
    const bool cmyk = info.out_color_space == JCS_CMYK;
    const std::shared_ptr<const ColourTransform> cmykProfile
        = cmyk ? ColourTransform::toSrgb(profile, ColourTransform::Layout::invertedCmyk) : nullptr;
    const QSize decodedSize(int(info.output_width), int(info.output_height));
    AreaDownsampler downsampler(decodedSize, outputSize.boundedTo(decodedSize), true, opaqueFormat);
    if (downsampler.isNull()) {
        return {};
    }
    if (!cmyk) {
        downsampler.convertFrom(profile);
    }
    DownsamplingThread averaging(downsampler);
    if (!readScanlines(session, averaging, cmykProfile.get())) {
        return {};
    }
    averaging.finish();
    // A file that merely lacks its final marker decodes whole; one cut off earlier is damaged.
    if (endedTooEarly(info, session.errors())) {
        return {};
    }
    return downsampler.result();
}
