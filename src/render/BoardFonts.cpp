#include "render/BoardFonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {
const char* const fontFolder = "/usr/share/fonts/opentype/inter/";
const char* const fontFiles[] = { "Inter-Regular.otf", "Inter-Medium.otf", "Inter-SemiBold.otf" };

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
            const int id = QFontDatabase::addApplicationFont(QLatin1String(fontFolder) + QLatin1String(file));
            const QStringList families = id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList();
            if (found.isEmpty() && !families.isEmpty()) {
                found = families.first();
            }
        }
        // The package may also be known to the system's font configuration without the files
        // above being where we expect them.
        if (found.isEmpty() && QFontDatabase::families().contains(QLatin1String("Inter"))) {
            found = QStringLiteral("Inter");
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

BoardFont BoardFonts::font(Role role, double pixelSize, const QPaintDevice& device)
{
    QFont font;
    const QString& family = loadedFamily();
    font.setFamilies(family.isEmpty() ? QStringList { QStringLiteral("sans-serif") }
                                      : QStringList { family, QStringLiteral("sans-serif") });
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(weight(role));
    // Unhinted outlines scale linearly, so a preview drawn at any zoom breaks lines where the export does.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    return BoardFont(font, pixelSize, device);
}
