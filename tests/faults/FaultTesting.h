#pragma once

#include "support/FileTesting.h"
#include "support/StoreTesting.h"
#include "support/TestImages.h"

#include "io/ImageImportService.h"

// A real photo made by the import service from JPEG bytes padded to `byteCount` (decoders
// ignore what follows the image), so that writes are large while decoding stays cheap.
inline BoardPhoto paddedPhoto(const QString& fileName, qint64 byteCount, quint32 seed = 1)
{
    const QByteArray jpeg = TestImages::jpeg(TestImages::photograph(QSize(64, 48), seed));
    return ImageImportService::load(
        TestImages::padded(jpeg, std::max<qint64>(byteCount, jpeg.size())), fileName);
}
