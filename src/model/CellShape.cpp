#include "model/CellShape.h"

#include <QCoreApplication>

namespace {
struct AspectEntry
{
    CellAspect aspect;
    const char* identifier;
    const char* title;
    double ratio;
};

constexpr AspectEntry entries[] = {
    { CellAspect::square, "square", QT_TRANSLATE_NOOP("BoardOptions", "Square \u00b7 1:1"), 1.0 },
    { CellAspect::landscape, "landscape", QT_TRANSLATE_NOOP("BoardOptions", "Landscape \u00b7 4:3"),
        4.0 / 3.0 },
    { CellAspect::widescreen, "widescreen", QT_TRANSLATE_NOOP("BoardOptions", "Widescreen \u00b7 16:9"),
        16.0 / 9.0 },
    { CellAspect::portrait, "portrait", QT_TRANSLATE_NOOP("BoardOptions", "Portrait \u00b7 3:4"), 0.75 },
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
    return QCoreApplication::translate("BoardOptions", entry(aspect).title);
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
