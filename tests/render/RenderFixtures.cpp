#include "RenderFixtures.h"

#include "render/BoardRenderer.h"

#include <cmath>
#include <cstdlib>
#include <QBuffer>
#include <QUuid>

namespace RenderFixtures {

BoardSettings exampleSettings()
{
    BoardSettings settings;
    settings.columns = 4;
    settings.outputWidth = 2400;
    settings.spacing = 24;
    settings.padding = 48;
    settings.cellAspect = CellAspect::landscape;
    settings.captionMode = CaptionMode::filename;
    settings.captionFontSize = 26;
    settings.titleFontSize = 48;
    settings.cornerRadius = 12;
    settings.title = QStringLiteral("Harbour walk");
    return settings;
}

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 95);
    return bytes;
}

BoardPhoto photo(const QImage& image, const QString& fileName, const char* format, const QString& caption)
{
    return BoardPhoto(QUuid::createUuid(), fileName, caption, encoded(image, format), image.width(),
        image.height(), image.scaled(64, 64, Qt::KeepAspectRatio));
}

QList<BoardPhoto> photos(qsizetype count, const QImage& image)
{
    QList<BoardPhoto> result;
    const QByteArray bytes = encoded(image);
    for (qsizetype index = 0; index < count; ++index) {
        result.append(BoardPhoto(QUuid::createUuid(), QStringLiteral("photo-%1.png").arg(index + 1),
            QString(), bytes, image.width(), image.height(), QImage()));
    }
    return result;
}

QImage solid(int width, int height, QColor color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

QImage bandedPortrait(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::green);
    for (int y = 0; y < height / 5; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixelColor(x, y, Qt::red);
            image.setPixelColor(x, height - 1 - y, Qt::blue);
        }
    }
    return image;
}

QImage renderedPng(const QList<BoardPhoto>& photos, const BoardSettings& settings)
{
    return QImage::fromData(BoardRenderer::pngData(photos, settings), "PNG");
}

bool near(QColor actual, QColor expected, int tolerance)
{
    return std::abs(actual.red() - expected.red()) <= tolerance
        && std::abs(actual.green() - expected.green()) <= tolerance
        && std::abs(actual.blue() - expected.blue()) <= tolerance
        && std::abs(actual.alpha() - expected.alpha()) <= tolerance;
}

QColor pixel(const QImage& image, double x, double y)
{
    return image.pixelColor(int(std::floor(x)), int(std::floor(y)));
}

} // namespace RenderFixtures
