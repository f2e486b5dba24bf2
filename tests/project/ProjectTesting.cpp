#include "ProjectTesting.h"

#include "io/ImageImportService.h"
#include "model/BoardFailure.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

QString failureMessage(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const BoardFailure& failure) {
        return failure.description();
    }
    return {};
}

BoardPhoto importedPhoto(const QByteArray& bytes, const QString& fileName, const QString& caption)
{
    BoardPhoto photo = ImageImportService::load(bytes, fileName);
    photo.setCaption(caption);
    return photo;
}

QMap<QString, QByteArray> treeSnapshot(const QString& path)
{
    QMap<QString, QByteArray> entries;
    const QFileInfo root(path);
    if (root.isSymLink()) {
        entries.insert(QStringLiteral("."), "link:" + QFile::encodeName(root.symLinkTarget()));
        return entries;
    }
    if (root.isFile()) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        entries.insert(QStringLiteral("."), file.readAll());
        return entries;
    }
    entries.insert(QStringLiteral("."), "folder");
    QDirIterator iterator(path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDirIterator::Subdirectories);
    while (iterator.hasNext()) {
        const QString entry = iterator.next();
        const QFileInfo info(entry);
        const QString relative = QDir(path).relativeFilePath(entry);
        if (info.isSymLink()) {
            entries.insert(relative, "link:" + QFile::encodeName(info.symLinkTarget()));
        } else if (info.isDir()) {
            entries.insert(relative, "folder");
        } else {
            QFile file(entry);
            EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << entry.toStdString();
            entries.insert(relative, file.readAll());
        }
    }
    return entries;
}

QStringList leftoverSaveFolders(const QString& parentFolder)
{
    QStringList leftovers;
    const QStringList hidden
        = QDir(parentFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& name : hidden) {
        if (name.startsWith(QLatin1Char('.')) && name.contains(QStringLiteral(".saving-"))) {
            leftovers.append(name);
        }
    }
    return leftovers;
}

int openDescriptorCount()
{
    return int(QDir(QStringLiteral("/proc/self/fd"))
                   .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
                   .size());
}

QUrl fileUrl(const QString& path)
{
    return QUrl::fromLocalFile(path);
}
