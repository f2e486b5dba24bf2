#include "io/ColourProfile.h"

#include <cstring>

ColourProfile ColourProfile::fromIcc(const QByteArray& profile)
{
    ColourProfile result;
    if (!profile.isEmpty()) {
        result.m_key = QByteArray(1, 'I') + profile;
    }
    return result;
}

ColourProfile ColourProfile::fromChromaticities(const Chromaticities& primaries, Curve curve, double gamma)
{
    const Parameters parameters { primaries.whiteX, primaries.whiteY, primaries.redX, primaries.redY,
        primaries.greenX, primaries.greenY, primaries.blueX, primaries.blueY,
        curve == Curve::srgb ? 0.0 : 1.0, curve == Curve::gamma ? gamma : 1.0 };
    ColourProfile result;
    result.m_key = QByteArray(1, 'C');
    result.m_key.append(reinterpret_cast<const char*>(parameters.data()), sizeof parameters);
    return result;
}

QByteArray ColourProfile::iccBytes() const
{
    return isIcc() ? m_key.sliced(1) : QByteArray();
}

ColourProfile::Parameters ColourProfile::parameters() const
{
    const Chromaticities& srgb = srgbChromaticities;
    Parameters parameters { srgb.whiteX, srgb.whiteY, srgb.redX, srgb.redY, srgb.greenX, srgb.greenY,
        srgb.blueX, srgb.blueY, 0.0, 1.0 };
    if (m_key.startsWith('C') && m_key.size() == qsizetype(1 + sizeof parameters)) {
        std::memcpy(parameters.data(), m_key.constData() + 1, sizeof parameters);
    }
    return parameters;
}

ColourProfile::Chromaticities ColourProfile::chromaticities() const
{
    const Parameters values = parameters();
    return { values[0], values[1], values[2], values[3], values[4], values[5], values[6], values[7] };
}

ColourProfile::Curve ColourProfile::curve() const
{
    return parameters()[8] == 0.0 ? Curve::srgb : Curve::gamma;
}

double ColourProfile::gamma() const
{
    return parameters()[9];
}
