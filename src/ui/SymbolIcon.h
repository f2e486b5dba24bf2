#pragma once

#include <optional>
#include <QColor>
#include <QIcon>
#include <QString>

// Icons named by the symbol names the board window uses ("plus", "folder", "doc.on.doc", ...).
// The desktop's freedesktop icon theme supplies them when it has a usable image for the name;
// otherwise a built-in line drawing stands in, so an icon never goes blank.
class SymbolIcon
{
public:
    // Themed when possible; the drawing follows the palette's text colour.
    static QIcon icon(const QString& symbol);
    // Always the built-in drawing, in one fixed colour (for icons on coloured backgrounds).
    static QIcon drawn(const QString& symbol, std::optional<QColor> colour = std::nullopt);
    // The freedesktop name tried for a symbol; empty when the theme has no counterpart.
    static QString themeName(const QString& symbol);
    static bool hasDrawing(const QString& symbol);
};
