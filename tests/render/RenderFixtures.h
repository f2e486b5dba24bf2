#pragma once

#include "model/BoardPhoto.h"
#include "model/BoardSettings.h"

#include <ostream>
#include <QColor>
#include <QImage>
#include <QList>

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

// Each channel within tolerance.
bool near(QColor actual, QColor expected, int tolerance = 3);

} // namespace RenderFixtures

// Readable texts in test failure messages.
inline void PrintTo(const QString& text, std::ostream* stream)
{
    *stream << '"' << text.toStdString() << '"';
}
