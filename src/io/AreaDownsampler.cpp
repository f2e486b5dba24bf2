#include "io/AreaDownsampler.h"

#include "io/ColourTransform.h"
#include "io/MemoryPages.h"

#include <algorithm>
#include <cstring>

namespace {

// The four channels of one pixel, in the byte order of a QRgb in memory, as one vector: every
// channel goes through the same arithmetic, so one instruction handles all four.
using Lanes = float __attribute__((vector_size(16)));
using IntLanes = qint32 __attribute__((vector_size(16)));
using ByteLanes = quint8 __attribute__((vector_size(4)));

constexpr int alphaLane = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? 3 : 0;

Lanes load(const float* channels)
{
    Lanes lanes;
    std::memcpy(&lanes, channels, sizeof lanes);
    return lanes;
}

void store(float* channels, Lanes lanes)
{
    std::memcpy(channels, &lanes, sizeof lanes);
}

// Sums are never negative (all weights are), so adding one half and truncating rounds them.
QRgb pack(Lanes sum, IntLanes ceiling)
{
    IntLanes value = __builtin_convertvector(sum + 0.5f, IntLanes);
    const IntLanes over = value > ceiling;
    value = (value & ~over) | (ceiling & over);
    const ByteLanes bytes = __builtin_convertvector(value, ByteLanes);
    QRgb pixel;
    std::memcpy(&pixel, &bytes, sizeof pixel);
    return pixel;
}

} // namespace

AreaDownsampler::AreaDownsampler(QSize inputSize, QSize outputSize, bool opaque, QImage::Format opaqueFormat)
    : m_inputSize(inputSize)
    , m_outputSize(outputSize)
    , m_opaque(opaque)
    , m_compact(opaque && opaqueFormat == QImage::Format_RGB888)
{
    if (inputSize.isEmpty() || outputSize.isEmpty() || outputSize.width() > inputSize.width()
        || outputSize.height() > inputSize.height()) {
        return;
    }
    m_result = QImage(outputSize,
        m_compact ? QImage::Format_RGB888
                  : (opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied));
    if (m_result.isNull()) {
        return;
    }
    MemoryPages::populate(m_result.bits(), std::size_t(m_result.sizeInBytes()));
    // Positions are counted in units of 1/outputWidth of an input pixel so that every boundary
    // is an exact integer: output pixel x covers [x·in, (x+1)·in), input pixel i covers
    // [i·out, (i+1)·out).
    const qint64 in = inputSize.width();
    const qint64 out = outputSize.width();
    m_spans.reserve(std::size_t(out));
    for (qint64 x = 0; x < out; ++x) {
        const qint64 start = x * in;
        const qint64 end = start + in;
        const qint64 first = start / out;
        const qint64 last = (end - 1) / out;
        m_spans.push_back(Span { int(first), int(last - first + 1), m_weights.size() });
        for (qint64 i = first; i <= last; ++i) {
            const qint64 overlap = std::min(end, (i + 1) * out) - std::max(start, i * out);
            m_weights.push_back(float(double(overlap) / double(in)));
        }
    }
    m_columns.assign(std::size_t(in) * 4, 0.0f);
    m_reduced.assign(std::size_t(out) * 4, 0.0f);
}

QSize AreaDownsampler::fittedSize(QSize size, int maximumLongerSide)
{
    if (size.isEmpty() || maximumLongerSide <= 0) {
        return {};
    }
    const qint64 width = size.width();
    const qint64 height = size.height();
    const qint64 longer = std::max(width, height);
    if (longer <= maximumLongerSide) {
        return size;
    }
    // Rounded to the nearest pixel, so 4000 × 3000 into 1024 gives 1024 × 768.
    const auto scaled = [&](qint64 side) {
        return int(std::max<qint64>(1, (side * maximumLongerSide + longer / 2) / longer));
    };
    return width >= height ? QSize(maximumLongerSide, scaled(height))
                           : QSize(scaled(width), maximumLongerSide);
}

// Adds share times every channel of the row to the column sums: one pass over contiguous
// memory that the compiler turns into vector instructions.
void AreaDownsampler::addToColumns(const QRgb* row, float share)
{
    const auto* bytes = reinterpret_cast<const uchar*>(row);
    float* columns = m_columns.data();
    // The first row of an output row sets the sums, so they are never cleared.
    if (m_columnsStarted) {
        for (std::size_t index = 0; index < m_columns.size(); ++index) {
            columns[index] += share * float(bytes[index]);
        }
    } else {
        for (std::size_t index = 0; index < m_columns.size(); ++index) {
            columns[index] = share * float(bytes[index]);
        }
    }
    m_columnsStarted = true;
}

// The finished column sums of one output row, averaged across: each output pixel from the
// columns it covers.
void AreaDownsampler::reduceColumns()
{
    float* reduced = m_reduced.data();
    const float* weights = m_weights.data();
    for (const Span& span : m_spans) {
        Lanes sum {};
        const float* pixel = m_columns.data() + std::size_t(span.first) * 4;
        const float* weight = weights + span.weightOffset;
        for (int index = 0; index < span.count; ++index, pixel += 4) {
            sum += load(pixel) * weight[index];
        }
        store(reduced, sum);
        reduced += 4;
    }
    m_columnsStarted = false;
}

void AreaDownsampler::convertFrom(const ColourProfile& profile)
{
    if (m_result.isNull()) {
        return;
    }
    const ColourTransform::Layout layout = m_compact
        ? ColourTransform::Layout::rgb888
        : (m_opaque ? ColourTransform::Layout::rgb32 : ColourTransform::Layout::premultiplied);
    m_colour = ColourTransform::toSrgb(profile, layout);
}

void AreaDownsampler::convertColours(int row)
{
    if (m_colour) {
        uchar* line = m_result.scanLine(row);
        m_colour->convert(line, line, m_outputSize.width());
    }
}

void AreaDownsampler::addRow(const QRgb* row)
{
    if (m_result.isNull() || m_inputRow >= m_inputSize.height()) {
        return;
    }
    if (m_inputSize == m_outputSize) {
        copyRow(row);
        convertColours(m_outputRow);
        ++m_inputRow;
        ++m_outputRow;
        return;
    }
    // The same exact-integer positions vertically: input row r covers [r·out, (r+1)·out),
    // output row j covers [j·in, (j+1)·in). Rows are summed down the columns first, so the
    // averaging across runs once per output row rather than once per input row.
    const qint64 in = m_inputSize.height();
    const qint64 out = m_outputSize.height();
    const qint64 rowStart = qint64(m_inputRow) * out;
    const qint64 rowEnd = rowStart + out;
    while (m_outputRow < m_outputSize.height()) {
        const qint64 outputStart = qint64(m_outputRow) * in;
        const qint64 outputEnd = outputStart + in;
        const qint64 overlap = std::min(rowEnd, outputEnd) - std::max(rowStart, outputStart);
        if (overlap > 0) {
            addToColumns(row, float(double(overlap) / double(in)));
        }
        if (outputEnd > rowEnd) {
            break;
        }
        reduceColumns();
        emitRow();
    }
    ++m_inputRow;
}

// Nothing to average: the row is the result row.
void AreaDownsampler::copyRow(const QRgb* row)
{
    const int width = m_inputSize.width();
    if (m_compact) {
        uchar* out = m_result.scanLine(m_inputRow);
        for (int x = 0; x < width; ++x, out += 3) {
            out[0] = uchar(qRed(row[x]));
            out[1] = uchar(qGreen(row[x]));
            out[2] = uchar(qBlue(row[x]));
        }
        return;
    }
    auto* out = reinterpret_cast<QRgb*>(m_result.scanLine(m_inputRow));
    std::copy_n(row, width, out);
    if (m_opaque) {
        for (int x = 0; x < width; ++x) {
            out[x] |= 0xff000000u;
        }
    }
}

void AreaDownsampler::writeCompactRow(const float* sums)
{
    uchar* out = m_result.scanLine(m_outputRow);
    const IntLanes ceiling { 255, 255, 255, 255 };
    for (int x = 0; x < m_outputSize.width(); ++x, sums += 4, out += 3) {
        const QRgb pixel = pack(load(sums), ceiling);
        out[0] = uchar(qRed(pixel));
        out[1] = uchar(qGreen(pixel));
        out[2] = uchar(qBlue(pixel));
    }
}

void AreaDownsampler::emitRow()
{
    auto* out = reinterpret_cast<QRgb*>(m_result.scanLine(m_outputRow));
    const float* value = m_reduced.data();
    const int width = m_outputSize.width();
    if (m_compact) {
        writeCompactRow(value);
    } else if (m_opaque) {
        const IntLanes ceiling { 255, 255, 255, 255 };
        for (int x = 0; x < width; ++x, value += 4) {
            out[x] = pack(load(value), ceiling) | 0xff000000u;
        }
    } else {
        for (int x = 0; x < width; ++x, value += 4) {
            const Lanes sum = load(value);
            // Premultiplied colour never exceeds its alpha.
            const qint32 alpha = std::min(qint32(sum[alphaLane] + 0.5f), 255);
            IntLanes ceiling { alpha, alpha, alpha, alpha };
            ceiling[alphaLane] = 255;
            out[x] = pack(sum, ceiling);
        }
    }
    convertColours(m_outputRow);
    ++m_outputRow;
}

QImage AreaDownsampler::result() const
{
    if (m_outputRow < m_outputSize.height()) {
        return {};
    }
    return m_result;
}
