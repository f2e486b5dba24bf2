#include "io/AreaDownsampler.h"

#include <algorithm>
#include <cmath>

AreaDownsampler::AreaDownsampler(QSize inputSize, QSize outputSize, bool opaque)
    : m_inputSize(inputSize)
    , m_outputSize(outputSize)
    , m_opaque(opaque)
{
    if (inputSize.isEmpty() || outputSize.isEmpty() || outputSize.width() > inputSize.width()
        || outputSize.height() > inputSize.height()) {
        return;
    }
    m_result = QImage(outputSize, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    if (m_result.isNull()) {
        return;
    }
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
    m_reduced.assign(std::size_t(out) * 4, 0.0f);
    m_accumulator.assign(std::size_t(out) * 4, 0.0f);
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

void AreaDownsampler::reduceRow(const QRgb* row)
{
    float* reduced = m_reduced.data();
    const float* weights = m_weights.data();
    for (const Span& span : m_spans) {
        float alpha = 0, red = 0, green = 0, blue = 0;
        const QRgb* pixel = row + span.first;
        const float* weight = weights + span.weightOffset;
        for (int index = 0; index < span.count; ++index) {
            const QRgb value = pixel[index];
            const float share = weight[index];
            alpha += share * float(qAlpha(value));
            red += share * float(qRed(value));
            green += share * float(qGreen(value));
            blue += share * float(qBlue(value));
        }
        reduced[0] = alpha;
        reduced[1] = red;
        reduced[2] = green;
        reduced[3] = blue;
        reduced += 4;
    }
}

void AreaDownsampler::addRow(const QRgb* row)
{
    if (m_result.isNull() || m_inputRow >= m_inputSize.height()) {
        return;
    }
    if (m_inputSize == m_outputSize) {
        // Nothing to average: the row is the result row.
        auto* out = reinterpret_cast<QRgb*>(m_result.scanLine(m_inputRow));
        std::copy_n(row, m_inputSize.width(), out);
        if (m_opaque) {
            for (int x = 0; x < m_inputSize.width(); ++x) {
                out[x] |= 0xff000000u;
            }
        }
        ++m_inputRow;
        ++m_outputRow;
        return;
    }
    reduceRow(row);
    // The same exact-integer positions vertically: input row r covers [r·out, (r+1)·out),
    // output row j covers [j·in, (j+1)·in).
    const qint64 in = m_inputSize.height();
    const qint64 out = m_outputSize.height();
    const qint64 rowStart = qint64(m_inputRow) * out;
    const qint64 rowEnd = rowStart + out;
    while (m_outputRow < m_outputSize.height()) {
        const qint64 outputStart = qint64(m_outputRow) * in;
        const qint64 outputEnd = outputStart + in;
        const qint64 overlap = std::min(rowEnd, outputEnd) - std::max(rowStart, outputStart);
        if (overlap > 0) {
            const float share = float(double(overlap) / double(in));
            for (std::size_t index = 0; index < m_accumulator.size(); ++index) {
                m_accumulator[index] += share * m_reduced[index];
            }
        }
        if (outputEnd > rowEnd) {
            break;
        }
        emitRow();
    }
    ++m_inputRow;
}

void AreaDownsampler::emitRow()
{
    auto* out = reinterpret_cast<QRgb*>(m_result.scanLine(m_outputRow));
    const float* value = m_accumulator.data();
    const int width = m_outputSize.width();
    // Sums are never negative (all weights are), so adding one half and truncating rounds them.
    const auto rounded = [](float sum, quint32 ceiling) { return std::min(quint32(sum + 0.5f), ceiling); };
    if (m_opaque) {
        for (int x = 0; x < width; ++x, value += 4) {
            out[x] = 0xff000000u | rounded(value[1], 255) << 16 | rounded(value[2], 255) << 8
                | rounded(value[3], 255);
        }
    } else {
        for (int x = 0; x < width; ++x, value += 4) {
            const quint32 alpha = rounded(value[0], 255);
            // Premultiplied colour never exceeds its alpha.
            out[x] = alpha << 24 | rounded(value[1], alpha) << 16 | rounded(value[2], alpha) << 8
                | rounded(value[3], alpha);
        }
    }
    std::fill(m_accumulator.begin(), m_accumulator.end(), 0.0f);
    ++m_outputRow;
}

QImage AreaDownsampler::result() const
{
    if (m_outputRow < m_outputSize.height()) {
        return {};
    }
    return m_result;
}
