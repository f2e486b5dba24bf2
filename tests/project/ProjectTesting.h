#pragma once

#include "support/FileTesting.h"

#include "io/ImageImportService.h"
#include "model/BoardPhoto.h"

#include <QUrl>

// A real photo, made by the import service from `bytes`, with the given caption.
inline BoardPhoto importedPhoto(const QByteArray& bytes, const QString& fileName, const QString& caption = {})
{
    BoardPhoto photo = ImageImportService::load(bytes, fileName);
    photo.setCaption(caption);
    return photo;
}

// Hidden folders that saves leave beside their destination while they run.
inline QStringList leftoverSaveFolders(const QString& parentFolder)
{
    return FileTesting::folderEntries(parentFolder).filter(".saving-");
}

const auto fileUrl = [](const QString& path) { return QUrl::fromLocalFile(path); };
