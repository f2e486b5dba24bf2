#pragma once

#include <optional>
#include <QList>
#include <QString>

enum class CaptionMode { none, filename, custom };

QList<CaptionMode> allCaptionModes();
QString identifier(CaptionMode mode);
QString title(CaptionMode mode);
std::optional<CaptionMode> captionModeFromIdentifier(const QString& identifier);
