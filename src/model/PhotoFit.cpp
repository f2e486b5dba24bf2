#include "model/PhotoFit.h"

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
    return fit == PhotoFit::fit ? QStringLiteral("Fit") : QStringLiteral("Fill");
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
