#include "model/BoardSettings.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <tuple>

namespace {
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

QJsonObject validObject()
{
    return QJsonDocument::fromJson(R"({"columns": 4, "cellAspect": "square", "photoFit": "fill",
        "background": "dark", "showNumbers": false, "captionMode": "custom", "title": "Trip",
        "spacing": 10.5, "padding": 0, "cornerRadius": 60, "outputWidth": 3000,
        "captionFontSize": 20, "titleFontSize": 72})")
        .object();
}
} // namespace

TEST(BoardSettings, NumbersClampAndFallBackWhenNotFinite)
{
    constexpr qint64 lowest = std::numeric_limits<qint64>::min();
    constexpr qint64 highest = std::numeric_limits<qint64>::max();
    const auto columns = &BoardSettings::columns;
    const auto width = &BoardSettings::outputWidth;
    const std::tuple<qint64 BoardSettings::*, qint64, qint64> integers[]
        = { { columns, lowest, 1 }, { columns, 0, 1 }, { columns, 1, 1 }, { columns, 6, 6 },
              { columns, 7, 6 }, { columns, highest, 6 }, { width, -1, 800 }, { width, 799, 800 },
              { width, 800, 800 }, { width, 6000, 6000 }, { width, 6001, 6000 }, { width, highest, 6000 } };
    for (const auto& [field, given, expected] : integers) {
        BoardSettings settings;
        settings.*field = given;
        EXPECT_EQ(settings.normalized().*field, expected) << given;
    }

    const auto spacing = &BoardSettings::spacing;
    const auto padding = &BoardSettings::padding;
    const auto corner = &BoardSettings::cornerRadius;
    const auto caption = &BoardSettings::captionFontSize;
    const auto title = &BoardSettings::titleFontSize;
    const std::tuple<double BoardSettings::*, double, double> lengths[] = { { spacing, notANumber, 24 },
        { spacing, -5, 0 }, { spacing, -0.0, 0 }, { spacing, 100.5, 100 }, { spacing, 1e-300, 1e-300 },
        { padding, notANumber, 48 }, { padding, -infinity, 48 }, { padding, -0.0, 0 }, { padding, 160, 160 },
        { padding, 160.01, 160 }, { corner, notANumber, 12 }, { corner, -0.0, 0 }, { corner, 61, 60 },
        { caption, notANumber, 26 }, { caption, 10, 16 }, { caption, 60.5, 60 }, { title, notANumber, 48 },
        { title, 23.9, 24 }, { title, 200, 96 } };
    for (const auto& [field, given, expected] : lengths) {
        BoardSettings settings;
        settings.*field = given;
        const double normalized = settings.normalized().*field;
        EXPECT_EQ(normalized, expected) << given;
        EXPECT_FALSE(std::signbit(normalized)) << given;
    }
}

TEST(BoardSettings, TitleKeepsItsFirst120CharactersAndNormalizingTwiceChangesNothing)
{
    const QString family = QString::fromUtf8("\U0001F468\u200D\U0001F469\u200D\U0001F467");
    const QString flag = QString::fromUtf8("\U0001F1EB\U0001F1F7");
    const std::pair<QString, QString> titles[] = {
        { QStringLiteral("a").repeated(121), QStringLiteral("a").repeated(120) },
        { family.repeated(120), family.repeated(120) }, // far more than 120 code units
        { family.repeated(60) + flag.repeated(61), family.repeated(60) + flag.repeated(60) },
        { QStringLiteral("  spaced  "), QStringLiteral("  spaced  ") },
    };
    for (const auto& [given, kept] : titles) {
        BoardSettings settings;
        settings.title = given;
        EXPECT_EQ(settings.normalized().title, kept);
    }

    BoardSettings settings(0, CellAspect::portrait, PhotoFit::fill, BoardBackground::dark, false,
        CaptionMode::none, QStringLiteral("t").repeated(130), notANumber, -2, 900000, 7, infinity, 1000);
    const BoardSettings normalized = settings.normalized();
    EXPECT_EQ(settings.columns, 0) << "normalized() must leave the receiver alone";
    settings.normalize();
    EXPECT_EQ(settings, normalized);
    EXPECT_EQ(settings.normalized(), settings);
    EXPECT_EQ(BoardSettings().normalized(), BoardSettings());
}

TEST(BoardSettings, DecodingIsStrict)
{
    // Inserting an undefined value removes the key.
    const auto decodeWith = [](const char* key, const QJsonValue& value) {
        QJsonObject object = validObject();
        object.insert(QLatin1String(key), value);
        return BoardSettings::fromJson(object);
    };
    ASSERT_TRUE(BoardSettings::fromJson(validObject()));
    for (const char* key :
        { "columns", "cellAspect", "photoFit", "background", "showNumbers", "captionMode", "title", "spacing",
            "padding", "cornerRadius", "outputWidth", "captionFontSize", "titleFontSize" }) {
        for (const QJsonValue& value :
            { QJsonValue(QJsonValue::Undefined), QJsonValue(), QJsonValue(QJsonArray()) }) {
            EXPECT_FALSE(decodeWith(key, value)) << key << " as " << value.type();
        }
    }
    const std::pair<const char*, QJsonValue> wrong[] = { { "background", "Dark" }, { "cellAspect", "Square" },
        { "photoFit", " fit" }, { "captionMode", "fileName" }, { "columns", 3.5 }, { "outputWidth", 2400.25 },
        { "columns", "3" }, { "showNumbers", 1 }, { "spacing", "24" }, { "title", 5 } };
    for (const auto& [key, value] : wrong) {
        EXPECT_FALSE(decodeWith(key, value)) << key;
    }
    EXPECT_FALSE(BoardSettings::fromJson(QJsonObject()));
    EXPECT_TRUE(decodeWith("columns", 3.0)) << "an integral number is an integer";
    EXPECT_TRUE(decodeWith("unknownKey", "ignored"));
}

// Through the text form, as a project file holds it; the defaults go through every project test.
TEST(BoardSettings, EncodeThenDecodeGivesAnEqualRecord)
{
    for (const BoardSettings& record :
        { BoardSettings(-7, CellAspect::square, PhotoFit::fit, BoardBackground::light, true,
              CaptionMode::custom, QString::fromUtf8("Tr\u00efp \U0001F468\u200D\U0001F469 \"quoted\"\n"),
              0.1 + 0.2, 1e-9, 12345.678, std::numeric_limits<qint64>::max(), -3, 1e300),
            BoardSettings(1, CellAspect::widescreen, PhotoFit::fill, BoardBackground::dark, false,
                CaptionMode::none, QString(), 0, 160, 60, std::numeric_limits<qint64>::min() + 1, 60, 96) }) {
        const QByteArray text = QJsonDocument(record.toJson()).toJson();
        EXPECT_EQ(BoardSettings::fromJson(QJsonDocument::fromJson(text).object()), record)
            << text.constData();
    }
}
