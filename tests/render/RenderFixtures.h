#pragma once

#include "model/BoardPhoto.h"
#include "model/BoardSettings.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>

// Real encoded images and rendered boards for the render suite.
namespace RenderFixtures {

// The settings of the ten-photo example board: 2400 wide, 4 landscape columns, file-name
// captions, a title.
BoardSettings exampleSettings();

QByteArray encoded(const QImage& image, const char* format = "PNG");
BoardPhoto photo(
    const QImage& image, const QString& fileName, const char* format = "PNG", const QString& caption = {});
QList<BoardPhoto> photos(qsizetype count, const QImage& image);

// One colour all over.
QImage solid(int width, int height, QColor color);
// A portrait image in three horizontal bands: the top fifth red, the middle three fifths green,
// the bottom fifth blue.
QImage bandedPortrait(int width, int height);

QImage renderedPng(const QList<BoardPhoto>& photos, const BoardSettings& settings);

// Each channel within tolerance.
bool near(QColor actual, QColor expected, int tolerance = 3);
QColor pixel(const QImage& image, double x, double y);

} // namespace RenderFixtures
