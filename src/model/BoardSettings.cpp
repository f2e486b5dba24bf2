#include "model/BoardSettings.h"

#include "model/GraphemeText.h"

#include <algorithm>
#include <cmath>
#include <QJsonValue>

namespace {
// Non-finite values fall back to the default; zero and below (negative zero included) become 0.
double clampedLength(double value, double fallback, double maximum)
{
    if (!std::isfinite(value)) {
        return fallback;
    }
    if (value <= 0) {
        return 0;
    }
    return value > maximum ? maximum : value;
}

double clampedFontSize(double value, double fallback, double minimum, double maximum)
{
    if (!std::isfinite(value)) {
        return fallback;
    }
    const double raised = std::max(value, minimum);
    return raised > maximum ? maximum : raised;
}

std::optional<qint64> integerValue(const QJsonObject& object, const char* key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isDouble()) {
        return std::nullopt;
    }
    // Integers that fit 64 bits are kept exactly by the parser; anything else must be integral.
    const qint64 sentinel = std::numeric_limits<qint64>::min();
    const qint64 exact = value.toInteger(sentinel);
    if (exact != sentinel) {
        return exact;
    }
    const double number = value.toDouble();
    if (number == double(sentinel)) {
        return sentinel;
    }
    return std::nullopt;
}

std::optional<double> numberValue(const QJsonObject& object, const char* key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isDouble()) {
        return std::nullopt;
    }
    return value.toDouble();
}

std::optional<QString> stringValue(const QJsonObject& object, const char* key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isString()) {
        return std::nullopt;
    }
    return value.toString();
}

template <typename Option>
std::optional<Option> optionValue(
    const QJsonObject& object, const char* key, std::optional<Option> (*fromIdentifier)(const QString&))
{
    const std::optional<QString> text = stringValue(object, key);
    return text ? fromIdentifier(*text) : std::nullopt;
}
} // namespace

BoardSettings::BoardSettings(qint64 columns, CellAspect cellAspect, PhotoFit photoFit,
    BoardBackground background, bool showNumbers, CaptionMode captionMode, QString title, double spacing,
    double padding, double cornerRadius, qint64 outputWidth, double captionFontSize, double titleFontSize)
    : columns(columns)
    , cellAspect(cellAspect)
    , photoFit(photoFit)
    , background(background)
    , showNumbers(showNumbers)
    , captionMode(captionMode)
    , title(std::move(title))
    , spacing(spacing)
    , padding(padding)
    , cornerRadius(cornerRadius)
    , outputWidth(outputWidth)
    , captionFontSize(captionFontSize)
    , titleFontSize(titleFontSize)
{ }

void BoardSettings::normalize()
{
    columns = std::clamp<qint64>(columns, 1, 6);
    outputWidth = std::clamp<qint64>(outputWidth, 800, 6000);
    spacing = clampedLength(spacing, 24, 100);
    padding = clampedLength(padding, 48, 160);
    cornerRadius = clampedLength(cornerRadius, 12, 60);
    captionFontSize = clampedFontSize(captionFontSize, 26, 16, 60);
    titleFontSize = clampedFontSize(titleFontSize, 48, 24, 96);
    title = GraphemeText::prefix(title, maximumTitleCharacters);
}

BoardSettings BoardSettings::normalized() const
{
    BoardSettings copy = *this;
    copy.normalize();
    return copy;
}

QJsonObject BoardSettings::toJson() const
{
    QJsonObject object;
    object.insert(QStringLiteral("columns"), columns);
    object.insert(QStringLiteral("cellAspect"), identifier(cellAspect));
    object.insert(QStringLiteral("photoFit"), identifier(photoFit));
    object.insert(QStringLiteral("background"), identifier(background));
    object.insert(QStringLiteral("showNumbers"), showNumbers);
    object.insert(QStringLiteral("captionMode"), identifier(captionMode));
    object.insert(QStringLiteral("title"), title);
    object.insert(QStringLiteral("spacing"), spacing);
    object.insert(QStringLiteral("padding"), padding);
    object.insert(QStringLiteral("cornerRadius"), cornerRadius);
    object.insert(QStringLiteral("outputWidth"), outputWidth);
    object.insert(QStringLiteral("captionFontSize"), captionFontSize);
    object.insert(QStringLiteral("titleFontSize"), titleFontSize);
    return object;
}

std::optional<BoardSettings> BoardSettings::fromJson(const QJsonObject& object)
{
    const auto columns = integerValue(object, "columns");
    const auto cellAspect = optionValue<CellAspect>(object, "cellAspect", cellAspectFromIdentifier);
    const auto photoFit = optionValue<PhotoFit>(object, "photoFit", photoFitFromIdentifier);
    const auto background = optionValue<BoardBackground>(object, "background", boardBackgroundFromIdentifier);
    const QJsonValue showNumbers = object.value(QLatin1String("showNumbers"));
    const auto captionMode = optionValue<CaptionMode>(object, "captionMode", captionModeFromIdentifier);
    const auto title = stringValue(object, "title");
    const auto spacing = numberValue(object, "spacing");
    const auto padding = numberValue(object, "padding");
    const auto cornerRadius = numberValue(object, "cornerRadius");
    const auto outputWidth = integerValue(object, "outputWidth");
    const auto captionFontSize = numberValue(object, "captionFontSize");
    const auto titleFontSize = numberValue(object, "titleFontSize");
    if (!columns || !cellAspect || !photoFit || !background || !showNumbers.isBool() || !captionMode || !title
        || !spacing || !padding || !cornerRadius || !outputWidth || !captionFontSize || !titleFontSize) {
        return std::nullopt;
    }
    return BoardSettings(*columns, *cellAspect, *photoFit, *background, showNumbers.toBool(), *captionMode,
        *title, *spacing, *padding, *cornerRadius, *outputWidth, *captionFontSize, *titleFontSize);
}
