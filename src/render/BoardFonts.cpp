#include "render/BoardFonts.h"

#include <QFontDatabase>

namespace {
const char* const fontFiles[] = { ":/fonts/TesserlyInter-Regular.otf", ":/fonts/TesserlyInter-Medium.otf",
    ":/fonts/TesserlyInter-SemiBold.otf" };
// From Debian's fonts-symbola (vector emoji and symbols, which embed in a PDF), fonts-wqy-microhei
// (Chinese, Japanese and Korean) and fonts-dejavu-core (Hebrew, Arabic, Armenian, Georgian...).
const char* const fallbackFamilies[] = { "Symbola", "WenQuanYi Micro Hei", "DejaVu Sans" };

QFont::Weight weight(BoardFonts::Role role)
{
    switch (role) {
    case BoardFonts::Role::title:
        return QFont::DemiBold;
    case BoardFonts::Role::number:
        return QFont::Medium;
    case BoardFonts::Role::caption:
        break;
    }
    return QFont::Normal;
}
} // namespace

const QString& BoardFonts::loadedFamily()
{
    // A function-local static is initialised exactly once even when two export threads arrive
    // together, and the font database itself is thread-safe.
    static const QString family = [] {
        QString found;
        for (const char* file : fontFiles) {
            const int id = QFontDatabase::addApplicationFont(QLatin1String(file));
            const QStringList families = id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList();
            if (found.isEmpty() && !families.isEmpty()) {
                found = families.first();
            }
        }
        return found;
    }();
    return family;
}

QString BoardFonts::family()
{
    const QString& family = loadedFamily();
    return family.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::GeneralFont).family() : family;
}

QStringList BoardFonts::families()
{
    QStringList result;
    if (!loadedFamily().isEmpty()) {
        result.append(loadedFamily());
    }
    for (const char* fallback : fallbackFamilies) {
        result.append(QLatin1String(fallback));
    }
    result.append(QStringLiteral("sans-serif"));
    return result;
}

BoardFont BoardFonts::font(Role role, double pixelSize, const QPaintDevice& device)
{
    QFont font;
    font.setFamilies(families());
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(weight(role));
    // Unhinted outlines scale linearly, so a preview drawn at any zoom breaks lines where the export does.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    return BoardFont(font, pixelSize, device);
}
