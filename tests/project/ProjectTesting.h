#pragma once

#include "model/BoardPhoto.h"

#include <functional>
#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QUrl>

// The description of the BoardFailure `operation` throws; empty when it succeeds.
QString failureMessage(const std::function<void()>& operation);

// A real photo, made by the import service from `bytes`, with the given caption.
BoardPhoto importedPhoto(
    const QByteArray& bytes, const QString& fileName, const QString& caption = QString());

// Every entry under `path` (without following links) with its content: file bytes, "link:" +
// target, or "folder". Tells whether anything at all was changed.
QMap<QString, QByteArray> treeSnapshot(const QString& path);

// Hidden folders that saves leave beside their destination while they run.
QStringList leftoverSaveFolders(const QString& parentFolder);

int openDescriptorCount();

QUrl fileUrl(const QString& path);
