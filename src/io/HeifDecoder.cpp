#include "io/HeifDecoder.h"

#include "io/AreaDownsampler.h"
#include "io/DownsamplingThread.h"
#include "io/OrderedWorkPool.h"

#include <libheif/heif.h>
#include <memory>
#include <vector>

namespace {

struct ContextDeleter
{
    void operator()(heif_context* context) const { heif_context_free(context); }
};
struct HandleDeleter
{
    void operator()(heif_image_handle* handle) const { heif_image_handle_release(handle); }
};
struct ImageDeleter
{
    void operator()(heif_image* image) const { heif_image_release(image); }
};
using HeifContext = std::unique_ptr<heif_context, ContextDeleter>;
using HeifHandle = std::unique_ptr<heif_image_handle, HandleDeleter>;
using HeifImage = std::unique_ptr<heif_image, ImageDeleter>;

// The parsed file and its primary image; the bytes must outlive both (they are not copied).
struct PrimaryImage
{
    HeifContext context;
    HeifHandle handle;
};

std::optional<PrimaryImage> openPrimary(const QByteArray& data)
{
    HeifContext context(heif_context_alloc());
    if (!context) {
        return std::nullopt;
    }
    // A grid image's tiles decode on every core, unless other decodes already use them.
    heif_context_set_max_decoding_threads(
        context.get(), OrderedWorkPool::onParallelWorker() ? 1 : OrderedWorkPool::workerCount());
    if (heif_context_read_from_memory_without_copy(
            context.get(), data.constData(), std::size_t(data.size()), nullptr)
            .code
        != heif_error_Ok) {
        return std::nullopt;
    }
    heif_image_handle* handle = nullptr;
    if (heif_context_get_primary_image_handle(context.get(), &handle).code != heif_error_Ok || !handle) {
        return std::nullopt;
    }
    return PrimaryImage { std::move(context), HeifHandle(handle) };
}

struct NclxDeleter
{
    void operator()(heif_color_profile_nclx* nclx) const { heif_nclx_color_profile_free(nclx); }
};

// The nclx description's curve. The BT.709 family is drawn as sRGB, as it always was; the HDR and
// logarithmic curves have no place on an sRGB board and are left alone too.
std::optional<ColourProfile::Curve> nclxCurve(heif_transfer_characteristics transfer, double& gamma)
{
    switch (transfer) {
    case heif_transfer_characteristic_ITU_R_BT_470_6_System_M:
        gamma = 2.2;
        return ColourProfile::Curve::gamma;
    case heif_transfer_characteristic_ITU_R_BT_470_6_System_B_G:
        gamma = 2.8;
        return ColourProfile::Curve::gamma;
    case heif_transfer_characteristic_linear:
        gamma = 1.0;
        return ColourProfile::Curve::gamma;
    case heif_transfer_characteristic_ITU_R_BT_709_5:
    case heif_transfer_characteristic_unspecified:
    case heif_transfer_characteristic_ITU_R_BT_601_6:
    case heif_transfer_characteristic_IEC_61966_2_1:
    case heif_transfer_characteristic_ITU_R_BT_2020_2_10bit:
    case heif_transfer_characteristic_ITU_R_BT_2020_2_12bit:
        return ColourProfile::Curve::srgb;
    default:
        return std::nullopt;
    }
}

ColourProfile nclxProfile(const heif_color_profile_nclx& nclx)
{
    double gamma = 1.0;
    const std::optional<ColourProfile::Curve> curve = nclxCurve(nclx.transfer_characteristics, gamma);
    const bool srgbPrimaries = nclx.color_primaries == heif_color_primaries_ITU_R_BT_709_5
        || nclx.color_primaries == heif_color_primaries_unspecified;
    if (!curve || (srgbPrimaries && curve == ColourProfile::Curve::srgb)) {
        return {};
    }
    ColourProfile::Chromaticities xy = ColourProfile::srgbChromaticities;
    if (!srgbPrimaries) {
        xy = { nclx.color_primary_white_x, nclx.color_primary_white_y, nclx.color_primary_red_x,
            nclx.color_primary_red_y, nclx.color_primary_green_x, nclx.color_primary_green_y,
            nclx.color_primary_blue_x, nclx.color_primary_blue_y };
    }
    // Codes libheif does not know leave no usable chromaticities.
    for (const double value : { xy.whiteX, xy.whiteY, xy.redY, xy.greenY, xy.blueY }) {
        if (!(value > 0.0 && value < 1.0)) {
            return {};
        }
    }
    return ColourProfile::fromChromaticities(xy, *curve, gamma);
}

// An ICC profile wins over an nclx description when a file has both.
ColourProfile colourProfile(const heif_image_handle* handle)
{
    const std::size_t iccSize = heif_image_handle_get_raw_color_profile_size(handle);
    if (iccSize > 0) {
        QByteArray bytes(qsizetype(iccSize), Qt::Uninitialized);
        if (heif_image_handle_get_raw_color_profile(handle, bytes.data()).code == heif_error_Ok) {
            return ColourProfile::fromIcc(bytes);
        }
    }
    heif_color_profile_nclx* nclx = nullptr;
    if (heif_image_handle_get_nclx_color_profile(handle, &nclx).code != heif_error_Ok || !nclx) {
        return {};
    }
    const std::unique_ptr<heif_color_profile_nclx, NclxDeleter> owned(nclx);
    return nclxProfile(*owned);
}

QSize planeSize(const heif_image* image, heif_channel channel)
{
    const QSize size(heif_image_get_width(image, channel), heif_image_get_height(image, channel));
    return size.isEmpty() ? QSize() : size;
}

// One 8-bit plane of at least `size`; null otherwise.
const uint8_t* plane8(const heif_image* image, heif_channel channel, QSize size, int& stride)
{
    const QSize found = planeSize(image, channel);
    if (heif_image_get_bits_per_pixel_range(image, channel) != 8 || found.width() < size.width()
        || found.height() < size.height()) {
        return nullptr;
    }
    return heif_image_get_plane_readonly(image, channel, &stride);
}

// libheif 1.15 turns every decoded picture into planar RGB before anything else, so asking for those
// planes costs no second full-size copy; rows are interleaved here on their way to the averaging.
// Null when damaged; nullopt when the planes are not 8-bit (deeper samples go the interleaved way).
std::optional<QImage> decodePlanes(
    const PrimaryImage& primary, QSize outputSize, QImage::Format opaqueFormat, const ColourProfile& profile)
{
    heif_image* decoded = nullptr;
    const heif_error error
        = heif_decode_image(primary.handle.get(), &decoded, heif_colorspace_RGB, heif_chroma_444, nullptr);
    const HeifImage image(decoded);
    if (error.code != heif_error_Ok || !image) {
        return QImage();
    }
    const QSize size = planeSize(image.get(), heif_channel_R);
    int strides[3] = {};
    const uint8_t* planes[3] = {};
    const heif_channel channels[3] = { heif_channel_R, heif_channel_G, heif_channel_B };
    for (int index = 0; index < 3; ++index) {
        planes[index] = size.isEmpty() ? nullptr : plane8(image.get(), channels[index], size, strides[index]);
        if (!planes[index]) {
            return std::nullopt;
        }
    }
    AreaDownsampler downsampler(size, outputSize.boundedTo(size), true, opaqueFormat);
    if (downsampler.isNull()) {
        return QImage();
    }
    downsampler.convertFrom(profile);
    DownsamplingThread averaging(downsampler);
    for (int y = 0; y < size.height(); ++y) {
        const uint8_t* red = planes[0] + std::ptrdiff_t(y) * strides[0];
        const uint8_t* green = planes[1] + std::ptrdiff_t(y) * strides[1];
        const uint8_t* blue = planes[2] + std::ptrdiff_t(y) * strides[2];
        QRgb* row = averaging.nextRow();
        for (int x = 0; x < size.width(); ++x) {
            row[x] = qRgb(red[x], green[x], blue[x]);
        }
        averaging.rowWritten();
    }
    averaging.finish();
    return downsampler.result();
}

// The picture as libheif's interleaved RGB(A): transparency and deeper samples.
QImage decodeInterleaved(
    const PrimaryImage& primary, QSize outputSize, QImage::Format opaqueFormat, const ColourProfile& profile)
{
    const bool opaque = !heif_image_handle_has_alpha_channel(primary.handle.get());
    heif_image* decoded = nullptr;
    const heif_error error = heif_decode_image(primary.handle.get(), &decoded, heif_colorspace_RGB,
        opaque ? heif_chroma_interleaved_RGB : heif_chroma_interleaved_RGBA, nullptr);
    const HeifImage image(decoded);
    if (error.code != heif_error_Ok || !image) {
        return {};
    }
    const QSize size = planeSize(image.get(), heif_channel_interleaved);
    int stride = 0;
    const uint8_t* plane = heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
    if (!plane || size.isEmpty()
        || heif_image_get_bits_per_pixel_range(image.get(), heif_channel_interleaved) != 8) {
        return {};
    }
    AreaDownsampler downsampler(size, outputSize.boundedTo(size), opaque, opaqueFormat);
    if (downsampler.isNull()) {
        return {};
    }
    downsampler.convertFrom(profile);
    std::vector<QRgb> row(std::size_t(size.width()), 0);
    const int channels = opaque ? 3 : 4;
    for (int y = 0; y < size.height(); ++y) {
        const uint8_t* source = plane + std::ptrdiff_t(y) * stride;
        for (int x = 0; x < size.width(); ++x, source += channels) {
            row[std::size_t(x)] = opaque ? qRgb(source[0], source[1], source[2])
                                         : qPremultiply(qRgba(source[0], source[1], source[2], source[3]));
        }
        downsampler.addRow(row.data());
    }
    return downsampler.result();
}

} // namespace

std::optional<ImageDecoder::Probe> HeifDecoder::probe(
    const QByteArray& data, ImageDecoder::Container container)
{
    const std::optional<PrimaryImage> primary = openPrimary(data);
    if (!primary) {
        return std::nullopt;
    }
    const int width = heif_image_handle_get_width(primary->handle.get());
    const int height = heif_image_handle_get_height(primary->handle.get());
    if (width <= 0 || height <= 0) {
        return std::nullopt;
    }
    ImageDecoder::Probe result;
    result.container = container;
    result.storedSize = QSize(width, height);
    return result;
}

QImage HeifDecoder::decode(const QByteArray& data, QSize outputSize, QImage::Format opaqueFormat)
{
    const std::optional<PrimaryImage> primary = openPrimary(data);
    if (!primary) {
        return {};
    }
    const ColourProfile profile = colourProfile(primary->handle.get());
    const heif_image_handle* handle = primary->handle.get();
    if (!heif_image_handle_has_alpha_channel(handle)
        && heif_image_handle_get_luma_bits_per_pixel(handle) == 8) {
        if (std::optional<QImage> picture = decodePlanes(*primary, outputSize, opaqueFormat, profile)) {
            return *std::move(picture);
        }
    }
    return decodeInterleaved(*primary, outputSize, opaqueFormat, profile);
}
