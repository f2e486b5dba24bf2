#pragma once

#include "model/BoardPhoto.h"
#include "model/BoardSettings.h"

#include <ostream>
#include <QImage>
#include <QList>
#include <QRectF>

// Real encoded images and rendered boards for the render suite.
namespace RenderFixtures {

// The ten-photo example board: 2400 wide, 4 landscape columns, file-name captions, a title.
BoardSettings exampleSettings();

BoardPhoto photo(
    const QImage& image, const QString& fileName, const char* format = "PNG", const QString& caption = {});
// `count` photos sharing one PNG encoding of `image`.
QList<BoardPhoto> photos(qsizetype count, const QImage& image);

// Three horizontal bands: the top fifth red, the middle three fifths green, the bottom fifth blue.
QImage bandedPortrait(int width, int height);

QImage renderedPng(const QList<BoardPhoto>& photos, const BoardSettings& settings);

} // namespace RenderFixtures

// Readable texts and rectangles in test failure messages.
inline void PrintTo(const QString& text, std::ostream* stream)
{
    *stream << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QRectF& rect, std::ostream* stream)
{
    *stream << rect.x() << ',' << rect.y() << ' ' << rect.width() << 'x' << rect.height();
}
