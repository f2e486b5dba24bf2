#include "cli/SettingsOverrides.h"

namespace {

template <typename Value> void replace(Value& field, const std::optional<Value>& given)
{
    if (given) {
        field = *given;
    }
}

} // namespace

BoardSettings SettingsOverrides::appliedTo(BoardSettings settings) const
{
    replace(settings.columns, columns);
    replace(settings.cellAspect, cellAspect);
    replace(settings.photoFit, photoFit);
    replace(settings.background, background);
    replace(settings.showNumbers, showNumbers);
    replace(settings.captionMode, captionMode);
    replace(settings.title, title);
    replace(settings.spacing, spacing);
    replace(settings.padding, padding);
    replace(settings.cornerRadius, cornerRadius);
    replace(settings.outputWidth, outputWidth);
    replace(settings.captionFontSize, captionFontSize);
    replace(settings.titleFontSize, titleFontSize);
    settings.normalize();
    return settings;
}
