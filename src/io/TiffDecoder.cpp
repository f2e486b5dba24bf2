#include "io/TiffDecoder.h"

#include "io/AreaDownsampler.h"
#include "io/ColourTransform.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <tiffio.h>
#include <vector>

namespace {

// Largest single allocation libtiff may make for a hostile header.
constexpr tmsize_t maximumTiffAllocation = 512 * 1024 * 1024;
// Largest band of decoded rows held at once.
constexpr qint64 maximumBandBytes = 64 * 1024 * 1024;

struct MemoryFile
{
    const QByteArray& data;
    toff_t position = 0;
};

tmsize_t readMemory(thandle_t handle, void* buffer, tmsize_t size)
{
    auto* file = static_cast<MemoryFile*>(handle);
    const toff_t available = toff_t(file->data.size()) - std::min(file->position, toff_t(file->data.size()));
    const toff_t count = std::min(toff_t(size), available);
    std::memcpy(buffer, file->data.constData() + file->position, count);
    file->position += count;
    return tmsize_t(count);
}

tmsize_t refuseWrite(thandle_t, void*, tmsize_t)
{
    return -1;
}

toff_t seekMemory(thandle_t handle, toff_t offset, int whence)
{
    auto* file = static_cast<MemoryFile*>(handle);
    const toff_t size = toff_t(file->data.size());
    toff_t target = offset;
    if (whence == SEEK_CUR) {
        target = file->position + offset;
    } else if (whence == SEEK_END) {
        target = size + offset;
    }
    file->position = target;
    return target;
}

int closeMemory(thandle_t)
{
    return 0;
}

toff_t memorySize(thandle_t handle)
{
    return toff_t(static_cast<MemoryFile*>(handle)->data.size());
}

// The bytes are already in memory: libtiff may read strips in place.
int mapMemory(thandle_t handle, void** base, toff_t* size)
{
    auto* file = static_cast<MemoryFile*>(handle);
    *base = const_cast<char*>(file->data.constData());
    *size = toff_t(file->data.size());
    return 1;
}

void unmapMemory(thandle_t, void*, toff_t) { }

// Messages of damaged files are not ours to print; the null result says enough.
int ignoreMessage(TIFF*, void*, const char*, const char*, va_list)
{
    return 1;
}

struct TiffCloser
{
    void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};
using TiffHandle = std::unique_ptr<TIFF, TiffCloser>;

TiffHandle openMemory(MemoryFile& file)
{
    std::unique_ptr<TIFFOpenOptions, decltype(&TIFFOpenOptionsFree)> options(
        TIFFOpenOptionsAlloc(), TIFFOpenOptionsFree);
    TIFFOpenOptionsSetMaxSingleMemAlloc(options.get(), maximumTiffAllocation);
    TIFFOpenOptionsSetErrorHandlerExtR(options.get(), ignoreMessage, nullptr);
    TIFFOpenOptionsSetWarningHandlerExtR(options.get(), ignoreMessage, nullptr);
    return TiffHandle(TIFFClientOpenExt("memory", "r", &file, readMemory, refuseWrite, seekMemory,
        closeMemory, memorySize, mapMemory, unmapMemory, options.get()));
}

// Owns the RGBA reading state of one page.
class RgbaReader
{
public:
    explicit RgbaReader(TIFF* tiff)
    {
        char message[1024] = {};
        m_started = TIFFRGBAImageOK(tiff, message) && TIFFRGBAImageBegin(&m_image, tiff, 1, message);
        if (m_started) {
            // Asking for the stored orientation leaves rows as stored; orientation is applied
            // later, after the reduction, for every format alike.
            m_image.req_orientation = m_image.orientation;
        }
    }
    ~RgbaReader()
    {
        if (m_started) {
            TIFFRGBAImageEnd(&m_image);
        }
    }
    RgbaReader(const RgbaReader&) = delete;
    RgbaReader& operator=(const RgbaReader&) = delete;

    bool started() const { return m_started; }
    bool opaque() const { return m_image.alpha == 0; }
    bool readBand(int firstRow, int rowCount, std::vector<uint32_t>& raster)
    {
        m_image.row_offset = firstRow;
        m_image.col_offset = 0;
        return TIFFRGBAImageGet(&m_image, raster.data(), m_image.width, uint32_t(rowCount)) == 1;
    }

private:
    TIFFRGBAImage m_image {};
    bool m_started = false;
};

ColourProfile iccProfile(TIFF* tiff)
{
    uint32_t length = 0;
    const void* bytes = nullptr;
    if (!TIFFGetField(tiff, TIFFTAG_ICCPROFILE, &length, &bytes) || !bytes) {
        return {};
    }
    return ColourProfile::fromIcc(QByteArray(static_cast<const char*>(bytes), qsizetype(length)));
}

} // namespace

std::optional<ImageDecoder::Probe> TiffDecoder::probe(const QByteArray& data)
{
    MemoryFile file { data };
    const TiffHandle tiff = openMemory(file);
    if (!tiff) {
        return std::nullopt;
    }
    uint32_t width = 0;
    uint32_t height = 0;
    uint16_t orientation = ORIENTATION_TOPLEFT;
    if (!TIFFGetField(tiff.get(), TIFFTAG_IMAGEWIDTH, &width)
        || !TIFFGetField(tiff.get(), TIFFTAG_IMAGELENGTH, &height) || width == 0 || height == 0) {
        return std::nullopt;
    }
    TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_ORIENTATION, &orientation);
    ImageDecoder::Probe result;
    result.container = ImageDecoder::Container::tiff;
    // Sides beyond int are far beyond the import limit; clamping keeps them refusable as such.
    result.storedSize
        = QSize(int(std::min<uint32_t>(width, 0x7fffffff)), int(std::min<uint32_t>(height, 0x7fffffff)));
    result.orientation = orientation >= 1 && orientation <= 8 ? orientation : 1;
    return result;
}

QImage TiffDecoder::decode(const QByteArray& data, QSize outputSize, QImage::Format opaqueFormat)
{
    MemoryFile file { data };
    const TiffHandle tiff = openMemory(file);
    if (!tiff) {
        return {};
    }
    RgbaReader reader(tiff.get());
    uint32_t width = 0;
    uint32_t height = 0;
    TIFFGetField(tiff.get(), TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tiff.get(), TIFFTAG_IMAGELENGTH, &height);
    if (!reader.started() || width == 0 || height == 0 || width > 0x7fffffff || height > 0x7fffffff) {
        return {};
    }
    // A band is one strip or one row of tiles, so each is decoded once, unless that is huge.
    uint32_t bandRows = 0;
    if (TIFFIsTiled(tiff.get())) {
        TIFFGetField(tiff.get(), TIFFTAG_TILELENGTH, &bandRows);
    } else {
        TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_ROWSPERSTRIP, &bandRows);
    }
    const qint64 rowLimit = std::max<qint64>(1, maximumBandBytes / (qint64(width) * 4));
    const int band = int(std::clamp<qint64>(bandRows, 1, std::min<qint64>(height, rowLimit)));

    const QSize size { int(width), int(height) };
    AreaDownsampler downsampler(size, outputSize, reader.opaque(), opaqueFormat);
    if (downsampler.isNull()) {
        return {};
    }
    std::vector<uint32_t> raster(std::size_t(width) * std::size_t(band));
    std::vector<QRgb> row(width);
    for (int first = 0; first < size.height(); first += band) {
        const int rows = std::min(band, size.height() - first);
        if (!reader.readBand(first, rows, raster)) {
            return {};
        }
        for (int y = 0; y < rows; ++y) {
            const uint32_t* source = raster.data() + std::size_t(y) * width;
            for (uint32_t x = 0; x < width; ++x) {
                const uint32_t value = source[x];
                row[x] = qRgba(
                    int(TIFFGetR(value)), int(TIFFGetG(value)), int(TIFFGetB(value)), int(TIFFGetA(value)));
            }
            downsampler.addRow(row.data());
        }
    }
    QImage result = downsampler.result();
    ColourTransform::convertToSrgb(result, iccProfile(tiff.get()));
    return result;
}
