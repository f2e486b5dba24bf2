#pragma once

#include <optional>
#include <QByteArray>
#include <QImage>

// Writes a finished board as an 8-bit RGBA PNG tagged sRGB with a pixel density.
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
    // With the run-length strategy the level changes little but the speed.
    static constexpr int defaultCompressionLevel = 1;

    // image: Format_RGBA8888_Premultiplied or Format_RGBA8888; anything else is converted first.
    // Premultiplied pixels are stored straight, as PNG requires. nullopt when encoding fails.
    static std::optional<QByteArray> encode(const QImage& image, int dotsPerMeter = boardDotsPerMeter,
        int compressionLevel = defaultCompressionLevel);
};
