#include "FaultTesting.h"

#include "support/TestImages.h"

#include "io/ImageImportService.h"

BoardPhoto paddedPhoto(const QString& fileName, qint64 byteCount, quint32 seed)
{
    const QByteArray jpeg = TestImages::jpeg(TestImages::photograph(QSize(64, 48), seed));
    return ImageImportService::load(
        TestImages::padded(jpeg, std::max<qint64>(byteCount, jpeg.size())), fileName);
}
