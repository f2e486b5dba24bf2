#include "FileTesting.h"

#include "model/BoardFailure.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

QStringList FileTesting::folderEntries(const QString& folder)
{
    QStringList entries
        = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    entries.sort();
    return entries;
}

QByteArray FileTesting::fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QMap<QString, QByteArray> FileTesting::treeSnapshot(const QString& path)
{
    const auto content = [](const QFileInfo& info) -> QByteArray {
        if (info.isSymLink()) {
            return "link:" + QFile::encodeName(info.symLinkTarget());
        }
        return info.isDir() ? QByteArray("folder") : fileBytes(info.filePath());
    };
    QMap<QString, QByteArray> entries { { QStringLiteral("."), content(QFileInfo(path)) } };
    if (QFileInfo(path).isSymLink() || !QFileInfo(path).isDir()) {
        return entries;
    }
    QDirIterator iterator(path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDirIterator::Subdirectories);
    while (iterator.hasNext()) {
        const QString entry = iterator.next();
        entries.insert(QDir(path).relativeFilePath(entry), content(QFileInfo(entry)));
    }
    return entries;
}

QString FileTesting::failureMessage(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const BoardFailure& failure) {
        return failure.description();
    }
    return {};
}

int FileTesting::openDescriptorCount()
{
    return int(QDir(QStringLiteral("/proc/self/fd"))
                   .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
                   .size());
}
