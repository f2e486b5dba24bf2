#pragma once

#include <memory>
#include <optional>
#include <QByteArray>
#include <QImage>

// Writes a finished board as an 8-bit RGBA PNG tagged sRGB with a pixel density, row band by row
// band, so that the renderer can compress the rows above each finished grid row while the next
// photos are still being decoded.
//
// QImageWriter's PNG runs libpng with every row filter tried and zlib's default level, which
// takes longer than decoding and drawing the whole board. Measured on a 2400 x 3911 board of 60
// photographs: Qt 2.85 s CPU for 8.1 MB; the Paeth filter on every row with zlib's run-length
// strategy 0.36 s for 8.2 MB. Photographs barely compress whatever is tried, and the flat
// background and wells are runs, which the run-length strategy finds as well as the full search.
class PngEncoder
{
public:
    // Pixels per metre of 144 DPI, as the board exports are tagged.
    static constexpr int boardDotsPerMeter = 5669;

    // image: Format_RGBA8888_Premultiplied or Format_RGBA8888, and it must outlive the encoder.
    // Premultiplied pixels are stored straight, as PNG requires.
    explicit PngEncoder(const QImage& image, int dotsPerMeter = boardDotsPerMeter);
    ~PngEncoder();
    PngEncoder(const PngEncoder&) = delete;
    PngEncoder& operator=(const PngEncoder&) = delete;

    // Compresses the rows from the last one written up to (not including) `row`; those rows must
    // not change any more. False once anything failed.
    bool writeRowsBefore(int row);
    // Writes the remaining rows and closes the file; nullopt when anything failed.
    std::optional<QByteArray> finish();

    // The whole image at once; other formats are converted first.
    static std::optional<QByteArray> encode(const QImage& image, int dotsPerMeter = boardDotsPerMeter);

private:
    struct State;
    std::unique_ptr<State> m_state;
};
