#include "model/CellShape.h"

namespace {
struct AspectEntry
{
    CellAspect aspect;
    const char* identifier;
    const char* title;
    double ratio;
};

constexpr AspectEntry entries[] = {
    { CellAspect::square, "square", "Square \u00b7 1:1", 1.0 },
    { CellAspect::landscape, "landscape", "Landscape \u00b7 4:3", 4.0 / 3.0 },
    { CellAspect::widescreen, "widescreen", "Widescreen \u00b7 16:9", 16.0 / 9.0 },
    { CellAspect::portrait, "portrait", "Portrait \u00b7 3:4", 0.75 },
};

const AspectEntry& entry(CellAspect aspect)
{
    return entries[static_cast<int>(aspect)];
}
} // namespace

QList<CellAspect> allCellAspects()
{
    return { CellAspect::square, CellAspect::landscape, CellAspect::widescreen, CellAspect::portrait };
}

QString identifier(CellAspect aspect)
{
    return QString::fromLatin1(entry(aspect).identifier);
}

QString title(CellAspect aspect)
{
    return QString::fromUtf8(entry(aspect).title);
}

std::optional<CellAspect> cellAspectFromIdentifier(const QString& identifier)
{
    for (const AspectEntry& candidate : entries) {
        if (identifier == QLatin1String(candidate.identifier)) {
            return candidate.aspect;
        }
    }
    return std::nullopt;
}

double ratio(CellAspect aspect)
{
    return entry(aspect).ratio;
}
