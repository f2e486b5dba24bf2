#include "FaultTesting.h"

#include "support/TestImages.h"

#include "io/ImageImportService.h"
#include "store/BoardStore.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTest>

QStringList folderEntries(const QString& folder)
{
    QStringList entries
        = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    entries.sort();
    return entries;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

BoardPhoto paddedPhoto(const QString& fileName, qint64 byteCount, quint32 seed)
{
    const QByteArray jpeg = TestImages::jpeg(TestImages::photograph(QSize(64, 48), seed));
    return ImageImportService::load(
        TestImages::padded(jpeg, std::max<qint64>(byteCount, jpeg.size())), fileName);
}

bool waitUntilIdle(const BoardStore& store, int timeoutMilliseconds)
{
    const QDeadlineTimer deadline(timeoutMilliseconds);
    while (store.isBusy() && !deadline.hasExpired()) {
        QTest::qWait(5);
    }
    return !store.isBusy();
}
