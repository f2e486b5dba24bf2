#pragma once

#include <optional>
#include <QList>
#include <QString>

// fit: the whole image shows inside its cell; fill: the image covers its cell and is cropped.
enum class PhotoFit { fit, fill };

QList<PhotoFit> allPhotoFits();
QString identifier(PhotoFit fit);
QString title(PhotoFit fit);
std::optional<PhotoFit> photoFitFromIdentifier(const QString& identifier);
