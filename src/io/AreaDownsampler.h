#pragma once

#include "io/ColourProfile.h"

#include <memory>
#include <QImage>
#include <QSize>
#include <vector>

class ColourTransform;

// Shrinks a picture that arrives one row at a time, top row first, by area averaging: each
// output pixel is the mean of the input area it covers, with partial pixels weighted by their
// share. Only one row of sums is held besides the result, so an image far too large to decode
// whole can still be reduced in bounded memory.
//
// Input rows are premultiplied ARGB (QRgb in memory order). The result is opaqueFormat
// (Format_RGB32 or Format_RGB888) for an opaque picture and Format_ARGB32_Premultiplied otherwise.
class AreaDownsampler
{
public:
    // outputSize must not be larger than inputSize in either direction.
    AreaDownsampler(
        QSize inputSize, QSize outputSize, bool opaque, QImage::Format opaqueFormat = QImage::Format_RGB32);

    // Converts each finished row from profile to sRGB as it is written, so a photo is converted
    // once, small, and on whichever thread averages it. Call before the first row.
    void convertFrom(const ColourProfile& profile);
    // The next row: inputSize().width() premultiplied ARGB values.
    void addRow(const QRgb* row);
    // The finished picture once every input row was added; a null image before that.
    QImage result() const;

    QSize inputSize() const { return m_inputSize; }
    bool isNull() const { return m_result.isNull(); }

    // The size that fits in maximumLongerSide × maximumLongerSide keeping the aspect ratio; the
    // size itself when it already fits. Never smaller than 1 × 1; empty for an empty size or a
    // non-positive maximum.
    static QSize fittedSize(QSize size, int maximumLongerSide);

private:
    struct Span
    {
        int first;
        int count;
        std::size_t weightOffset;
    };
    void addToColumns(const QRgb* row, float share);
    void reduceColumns();
    void emitRow();
    void copyRow(const QRgb* row);
    void writeCompactRow(const float* sums);
    void convertColours(int row);

    QSize m_inputSize;
    QSize m_outputSize;
    bool m_opaque;
    // Opaque result in three bytes a pixel.
    bool m_compact;
    std::vector<Span> m_spans;
    std::vector<float> m_weights;
    // The weighted sum of the input rows in the current output row, one float a channel.
    std::vector<float> m_columns;
    bool m_columnsStarted = false;
    // The output row averaged across, one float a channel.
    std::vector<float> m_reduced;
    int m_inputRow = 0;
    int m_outputRow = 0;
    QImage m_result;
    std::shared_ptr<const ColourTransform> m_colour;
};
