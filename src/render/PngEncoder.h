#pragma once

#include <optional>
#include <QByteArray>
#include <QImage>

// Writes a finished board as an 8-bit RGBA PNG tagged sRGB with a pixel density.
//
// QImageWriter's PNG runs libpng with every row filter tried and zlib's default level, which
// takes longer than drawing the whole board. A board is mostly photographs, which barely
// compress whatever is tried, so one fixed filter and a fast zlib level give nearly the same
// size in a fraction of the time.
class PngEncoder
{
public:
    // Pixels per metre of 144 DPI, as the board exports are tagged.
    static constexpr int boardDotsPerMeter = 5669;
    static constexpr int defaultCompressionLevel = 2;

    // image: Format_RGBA8888_Premultiplied or Format_RGBA8888; anything else is converted first.
    // Premultiplied pixels are stored straight, as PNG requires. nullopt when encoding fails.
    static std::optional<QByteArray> encode(const QImage& image, int dotsPerMeter = boardDotsPerMeter,
        int compressionLevel = defaultCompressionLevel);
};
