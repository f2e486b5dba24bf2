#pragma once

#include "model/BoardPhoto.h"
#include "support/FileTesting.h"
#include "support/StoreTesting.h"

// A real photo made by the import service from JPEG bytes padded to `byteCount` (decoders
// ignore what follows the image), so that writes are large while decoding stays cheap.
BoardPhoto paddedPhoto(const QString& fileName, qint64 byteCount, quint32 seed = 1);
