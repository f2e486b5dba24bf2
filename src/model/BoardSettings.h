#pragma once

#include "model/BoardBackground.h"
#include "model/CaptionMode.h"
#include "model/CellShape.h"
#include "model/PhotoFit.h"

#include <optional>
#include <QJsonObject>
#include <QString>

// The whole look of a board. Any value may be stored; readers that depend on the ranges
// work on normalized() copies.
class BoardSettings
{
public:
    BoardSettings() = default;
    BoardSettings(qint64 columns, CellAspect cellAspect, PhotoFit photoFit, BoardBackground background,
        bool showNumbers, CaptionMode captionMode, QString title, double spacing, double padding,
        double cornerRadius, qint64 outputWidth, double captionFontSize, double titleFontSize);

    qint64 columns = 3;
    CellAspect cellAspect = CellAspect::landscape;
    PhotoFit photoFit = PhotoFit::fit;
    BoardBackground background = BoardBackground::light;
    bool showNumbers = true;
    CaptionMode captionMode = CaptionMode::filename;
    QString title;
    double spacing = 24;
    double padding = 48;
    double cornerRadius = 12;
    qint64 outputWidth = 2400;
    double captionFontSize = 26;
    double titleFontSize = 48;

    static constexpr qsizetype maximumTitleCharacters = 120;

    void normalize();
    BoardSettings normalized() const;

    // Doubles compare numerically, so a NaN field never equals anything.
    bool operator==(const BoardSettings& other) const = default;

    // Fields as they are, keyed by field name.
    QJsonObject toJson() const;
    // Strict: every key present with the right type, integral integers, exact identifiers.
    // Extra keys are ignored and no ranges are applied.
    static std::optional<BoardSettings> fromJson(const QJsonObject& object);
};
