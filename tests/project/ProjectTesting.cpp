#include "ProjectTesting.h"

#include "io/ImageImportService.h"

BoardPhoto importedPhoto(const QByteArray& bytes, const QString& fileName, const QString& caption)
{
    BoardPhoto photo = ImageImportService::load(bytes, fileName);
    photo.setCaption(caption);
    return photo;
}

QStringList leftoverSaveFolders(const QString& parentFolder)
{
    return FileTesting::folderEntries(parentFolder).filter(QStringLiteral(".saving-"));
}
