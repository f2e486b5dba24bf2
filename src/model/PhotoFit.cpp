#include "model/PhotoFit.h"

#include <QCoreApplication>

QList<PhotoFit> allPhotoFits()
{
    return { PhotoFit::fit, PhotoFit::fill };
}

QString identifier(PhotoFit fit)
{
    return fit == PhotoFit::fit ? QStringLiteral("fit") : QStringLiteral("fill");
}

QString title(PhotoFit fit)
{
    return fit == PhotoFit::fit ? QCoreApplication::translate("BoardOptions", "Fit")
                                : QCoreApplication::translate("BoardOptions", "Fill");
}

std::optional<PhotoFit> photoFitFromIdentifier(const QString& identifier)
{
    if (identifier == QLatin1String("fit")) {
        return PhotoFit::fit;
    }
    if (identifier == QLatin1String("fill")) {
        return PhotoFit::fill;
    }
    return std::nullopt;
}
