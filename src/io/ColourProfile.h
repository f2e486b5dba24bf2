#pragma once

#include <array>
#include <QByteArray>

// What a file says about the colours of its pixels: nothing or sRGB (the default), an embedded
// ICC profile, or a matrix-and-curve RGB space given by chromaticities and a transfer curve
// (PNG's cHRM and gAMA, HEIF's nclx colour description). A value: cheap to copy and compare.
class ColourProfile
{
public:
    enum class Curve { srgb, gamma };
    // CIE xy of the white point and of the red, green and blue primaries.
    struct Chromaticities
    {
        double whiteX, whiteY, redX, redY, greenX, greenY, blueX, blueY;
    };
    static constexpr Chromaticities srgbChromaticities { 0.3127, 0.3290, 0.64, 0.33, 0.30, 0.60, 0.15, 0.06 };

    // sRGB: pixels are used as they are.
    ColourProfile() = default;
    // An embedded ICC profile; an empty one means sRGB.
    static ColourProfile fromIcc(const QByteArray& profile);
    // A matrix-and-curve space; the sRGB curve, or a pure power (2.2 decodes as x^2.2).
    static ColourProfile fromChromaticities(const Chromaticities& primaries, Curve curve, double gamma = 1.0);

    bool isSrgb() const { return m_key.isEmpty(); }
    bool isIcc() const { return m_key.startsWith('I'); }
    // The ICC bytes of an embedded profile; empty otherwise.
    QByteArray iccBytes() const;
    // The parameters of a matrix-and-curve space; only for a profile made by fromChromaticities.
    Chromaticities chromaticities() const;
    Curve curve() const;
    double gamma() const;
    // Identifies the colour space: equal keys, equal conversions.
    const QByteArray& key() const { return m_key; }

private:
    // The eight chromaticities, the curve (0 sRGB, 1 power) and the power.
    using Parameters = std::array<double, 10>;
    Parameters parameters() const;

    // Empty for sRGB; 'I' followed by the ICC bytes; 'C' followed by the Parameters' bytes.
    QByteArray m_key;
};
