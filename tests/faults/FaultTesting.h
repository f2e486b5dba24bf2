#pragma once

#include "model/BoardPhoto.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class BoardStore;

// Every name in `folder`, hidden ones included, sorted: shows any temporary leftover.
QStringList folderEntries(const QString& folder);

// The bytes of the file at `path`; empty when it cannot be read.
QByteArray fileBytes(const QString& path);

// A real photo made by the import service from JPEG bytes padded to `byteCount` (decoders
// ignore what follows the image), so that writes are large while decoding stays cheap.
BoardPhoto paddedPhoto(const QString& fileName, qint64 byteCount, quint32 seed = 1);

// Runs the event loop until the store is idle; false when it is still busy after the timeout.
bool waitUntilIdle(const BoardStore& store, int timeoutMilliseconds = 120'000);
