#pragma once

#include "model/BoardPhoto.h"

#include <QList>
#include <QString>
#include <QStringList>

// What one import produced: accepted photos in input order, and one line per refused input.
struct ImageImportResult
{
    QList<BoardPhoto> photos;
    QStringList rejected;
};
