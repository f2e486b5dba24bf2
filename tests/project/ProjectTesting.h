#pragma once

#include "model/BoardPhoto.h"
#include "support/FileTesting.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QUrl>

// A real photo, made by the import service from `bytes`, with the given caption.
BoardPhoto importedPhoto(
    const QByteArray& bytes, const QString& fileName, const QString& caption = QString());

// Hidden folders that saves leave beside their destination while they run.
QStringList leftoverSaveFolders(const QString& parentFolder);

inline QUrl fileUrl(const QString& path)
{
    return QUrl::fromLocalFile(path);
}
