#pragma once

// The cell shapes a board offers (the inspector calls them image shapes).

#include <optional>
#include <QList>
#include <QString>

enum class CellAspect { square, landscape, widescreen, portrait };

QList<CellAspect> allCellAspects();
QString identifier(CellAspect aspect);
QString title(CellAspect aspect);
std::optional<CellAspect> cellAspectFromIdentifier(const QString& identifier);
// Width of a cell's image area divided by its height.
double ratio(CellAspect aspect);
