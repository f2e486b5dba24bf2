#include "model/BoardBackground.h"

#include <QCoreApplication>

namespace {
QColor grey(double white)
{
    return QColor::fromRgbF(float(white), float(white), float(white), 1.0f);
}
} // namespace

QList<BoardBackground> allBoardBackgrounds()
{
    return { BoardBackground::light, BoardBackground::dark };
}

QString identifier(BoardBackground background)
{
    return background == BoardBackground::light ? QStringLiteral("light") : QStringLiteral("dark");
}

QString title(BoardBackground background)
{
    return background == BoardBackground::light ? QCoreApplication::translate("BoardOptions", "Light")
                                                : QCoreApplication::translate("BoardOptions", "Dark");
}

std::optional<BoardBackground> boardBackgroundFromIdentifier(const QString& identifier)
{
    if (identifier == QLatin1String("light")) {
        return BoardBackground::light;
    }
    if (identifier == QLatin1String("dark")) {
        return BoardBackground::dark;
    }
    return std::nullopt;
}

QColor canvasColor(BoardBackground background)
{
    return background == BoardBackground::light ? QColor::fromRgbF(0.97f, 0.97f, 0.98f, 1.0f)
                                                : QColor::fromRgbF(0.105f, 0.115f, 0.13f, 1.0f);
}

QColor textColor(BoardBackground background)
{
    return grey(background == BoardBackground::light ? 0.12 : 0.94);
}

QColor secondaryTextColor(BoardBackground background)
{
    return grey(background == BoardBackground::light ? 0.38 : 0.7);
}

QColor imageWellColor(BoardBackground background)
{
    return grey(background == BoardBackground::light ? 0.91 : 0.17);
}
