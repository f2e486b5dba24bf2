#pragma once

#include <functional>
#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// Looking at what reads and writes left on disk.
class FileTesting
{
public:
    // Every name in `folder`, hidden ones included, sorted: shows any temporary leftover.
    static QStringList folderEntries(const QString& folder);
    // The bytes of the file at `path`; empty when it cannot be read.
    static QByteArray fileBytes(const QString& path);
    // Every entry under `path` (links not followed) with its content: file bytes, "link:" +
    // target, or "folder". Tells whether anything at all was changed.
    static QMap<QString, QByteArray> treeSnapshot(const QString& path);
    // The description of the BoardFailure `operation` throws; empty when it succeeds.
    static QString failureMessage(const std::function<void()>& operation);
    static int openDescriptorCount();
};
