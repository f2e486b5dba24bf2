#include "RenderFixtures.h"

#include "render/BoardRenderer.h"
#include "support/TestImages.h"

#include <QPainter>
#include <QUuid>

namespace RenderFixtures {

BoardSettings exampleSettings()
{
    BoardSettings settings;
    settings.columns = 4;
    settings.title = QStringLiteral("Harbour walk");
    return settings;
}

BoardPhoto photo(const QImage& image, const QString& fileName, const char* format, const QString& caption)
{
    return BoardPhoto(QUuid::createUuid(), fileName, caption, TestImages::encoded(image, format, 95),
        image.width(), image.height(), image.scaled(64, 64, Qt::KeepAspectRatio));
}

QList<BoardPhoto> photos(qsizetype count, const QImage& image)
{
    const BoardPhoto shared = photo(image, QString());
    QList<BoardPhoto> result;
    for (qsizetype index = 0; index < count; ++index) {
        result.append(BoardPhoto(QUuid::createUuid(), QStringLiteral("photo-%1.png").arg(index + 1),
            QString(), shared.imageData(), image.width(), image.height(), shared.thumbnail()));
    }
    return result;
}

QImage bandedPortrait(int width, int height)
{
    QImage image = TestImages::solid(QSize(width, height), Qt::green);
    QPainter painter(&image);
    painter.fillRect(0, 0, width, height / 5, Qt::red);
    painter.fillRect(0, height - height / 5, width, height / 5, Qt::blue);
    return image;
}

QImage renderedPng(const QList<BoardPhoto>& photos, const BoardSettings& settings)
{
    return QImage::fromData(BoardRenderer::pngData(photos, settings), "PNG");
}

} // namespace RenderFixtures
