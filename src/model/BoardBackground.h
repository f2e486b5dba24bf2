#pragma once

#include <optional>
#include <QColor>
#include <QList>
#include <QString>

enum class BoardBackground { light, dark };

QList<BoardBackground> allBoardBackgrounds();
QString identifier(BoardBackground background);
QString title(BoardBackground background);
std::optional<BoardBackground> boardBackgroundFromIdentifier(const QString& identifier);

// The four colours the renderer, the canvas and the inspector's swatches all draw with.
QColor canvasColor(BoardBackground background);
QColor textColor(BoardBackground background);
QColor secondaryTextColor(BoardBackground background);
QColor imageWellColor(BoardBackground background);
