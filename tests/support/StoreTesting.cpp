#include "StoreTesting.h"

#include "io/ImageImportService.h"
#include "TestImages.h"

#include <ostream>
#include <QEventLoop>
#include <QTimer>
#include <QUuid>

bool StoreTesting::waitUntilIdle(BoardStore& store, int timeoutMilliseconds)
{
    if (!store.isBusy()) {
        return true;
    }
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&store, &BoardStore::isBusyChanged, &loop, [&loop](bool busy) {
        if (!busy) {
            loop.quit();
        }
    });
    timeout.start(timeoutMilliseconds);
    loop.exec();
    return !store.isBusy();
}

QList<BoardPhoto> StoreTesting::fakePhotos(qsizetype count)
{
    QImage thumbnail(8, 6, QImage::Format_RGB32);
    thumbnail.fill(Qt::gray);
    QList<BoardPhoto> photos;
    while (photos.size() < count) {
        const QString name = QStringLiteral("photo-%1").arg(photos.size() + 1);
        photos.append(
            BoardPhoto(QUuid::createUuid(), name + ".png", name, QByteArray("bytes"), 800, 600, thumbnail));
    }
    return photos;
}

BoardPhoto StoreTesting::pngPhoto(const QString& fileName, QSize size, QColor colour)
{
    return ImageImportService::load(TestImages::png(size, colour), fileName);
}

QList<BoardPhoto> StoreTesting::pngPhotos(qsizetype count)
{
    QList<BoardPhoto> photos;
    for (int i = 0; i < count; ++i) {
        photos.append(pngPhoto(QStringLiteral("image-%1.png").arg(i + 1), QSize(48, 32),
            QColor::fromHsv(i * 37 % 360, 160, 200)));
    }
    return photos;
}

QStringList StoreTesting::fileNames(const QList<BoardPhoto>& photos)
{
    QStringList names;
    for (const BoardPhoto& photo : photos) {
        names.append(photo.fileName());
    }
    return names;
}

void PrintTo(const QString& text, std::ostream* stream)
{
    *stream << '"' << text.toStdString() << '"';
}
