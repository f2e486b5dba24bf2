#pragma once

// The cell shapes a board offers (the inspector calls them image shapes).

#include <QList>
#include <QString>
#include <optional>

enum class CellAspect { square, landscape, widescreen, portrait };

QList<CellAspect> allCellAspects();
QString identifier(CellAspect aspect);
QString title(CellAspect aspect);
std::optional<CellAspect> cellAspectFromIdentifier(const QString& identifier);
// Width of a cell's image area divided by its height.
double ratio(CellAspect aspect);
