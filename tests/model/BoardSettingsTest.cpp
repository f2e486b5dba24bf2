#include "model/BoardSettings.h"
#include "model/GraphemeText.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

QString repeated(const QString& unit, int times)
{
    QString text;
    for (int i = 0; i < times; ++i) {
        text += unit;
    }
    return text;
}

BoardSettings withDouble(double BoardSettings::*field, double value)
{
    BoardSettings settings;
    settings.*field = value;
    return settings;
}

QJsonObject validObject()
{
    return QJsonDocument::fromJson(R"({"columns": 4, "cellAspect": "square", "photoFit": "fill",
        "background": "dark", "showNumbers": false, "captionMode": "custom", "title": "Trip",
        "spacing": 10.5, "padding": 0, "cornerRadius": 60, "outputWidth": 3000,
        "captionFontSize": 20, "titleFontSize": 72})")
        .object();
}
} // namespace

TEST(BoardSettings, DefaultsAreTheDocumentedRecord)
{
    const BoardSettings settings;
    EXPECT_EQ(settings.columns, 3);
    EXPECT_EQ(settings.cellAspect, CellAspect::landscape);
    EXPECT_EQ(settings.photoFit, PhotoFit::fit);
    EXPECT_EQ(settings.background, BoardBackground::light);
    EXPECT_TRUE(settings.showNumbers);
    EXPECT_EQ(settings.captionMode, CaptionMode::filename);
    EXPECT_EQ(settings.title, QString());
    EXPECT_EQ(settings.spacing, 24);
    EXPECT_EQ(settings.padding, 48);
    EXPECT_EQ(settings.cornerRadius, 12);
    EXPECT_EQ(settings.outputWidth, 2400);
    EXPECT_EQ(settings.captionFontSize, 26);
    EXPECT_EQ(settings.titleFontSize, 48);
    EXPECT_EQ(settings.normalized(), settings);
}

TEST(BoardSettings, IntegerFieldsClampAtAndBeyondTheirBounds)
{
    struct Case
    {
        qint64 given;
        qint64 expected;
    };
    const Case columns[] = { { std::numeric_limits<qint64>::min(), 1 }, { -3, 1 }, { 0, 1 }, { 1, 1 },
        { 6, 6 }, { 7, 6 }, { 40, 6 }, { std::numeric_limits<qint64>::max(), 6 } };
    for (const Case& c : columns) {
        BoardSettings settings;
        settings.columns = c.given;
        EXPECT_EQ(settings.normalized().columns, c.expected) << c.given;
    }
    const Case widths[] = { { -1, 800 }, { 799, 800 }, { 800, 800 }, { 6000, 6000 }, { 6001, 6000 },
        { std::numeric_limits<qint64>::max(), 6000 } };
    for (const Case& c : widths) {
        BoardSettings settings;
        settings.outputWidth = c.given;
        EXPECT_EQ(settings.normalized().outputWidth, c.expected) << c.given;
    }
}

TEST(BoardSettings, LengthsFallBackWhenNotFiniteAndClampOtherwise)
{
    struct Case
    {
        const char* name;
        double BoardSettings::*field;
        double given;
        double expected;
    };
    const Case cases[] = {
        { "spacing NaN", &BoardSettings::spacing, notANumber, 24 },
        { "spacing +inf", &BoardSettings::spacing, infinity, 24 },
        { "spacing -inf", &BoardSettings::spacing, -infinity, 24 },
        { "spacing -5", &BoardSettings::spacing, -5, 0 },
        { "spacing 100", &BoardSettings::spacing, 100, 100 },
        { "spacing 100.5", &BoardSettings::spacing, 100.5, 100 },
        { "spacing tiny", &BoardSettings::spacing, 1e-300, 1e-300 },
        { "padding NaN", &BoardSettings::padding, notANumber, 48 },
        { "padding 160", &BoardSettings::padding, 160, 160 },
        { "padding 160.01", &BoardSettings::padding, 160.01, 160 },
        { "padding -inf", &BoardSettings::padding, -infinity, 48 },
        { "corner NaN", &BoardSettings::cornerRadius, notANumber, 12 },
        { "corner 61", &BoardSettings::cornerRadius, 61, 60 },
        { "corner -1", &BoardSettings::cornerRadius, -1, 0 },
        { "caption 10", &BoardSettings::captionFontSize, 10, 16 },
        { "caption -inf", &BoardSettings::captionFontSize, -infinity, 26 },
        { "caption NaN", &BoardSettings::captionFontSize, notANumber, 26 },
        { "caption 16", &BoardSettings::captionFontSize, 16, 16 },
        { "caption 60.5", &BoardSettings::captionFontSize, 60.5, 60 },
        { "caption -0", &BoardSettings::captionFontSize, -0.0, 16 },
        { "title 200", &BoardSettings::titleFontSize, 200, 96 },
        { "title 23.9", &BoardSettings::titleFontSize, 23.9, 24 },
        { "title +inf", &BoardSettings::titleFontSize, infinity, 48 },
        { "title NaN", &BoardSettings::titleFontSize, notANumber, 48 },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(withDouble(c.field, c.given).normalized().*c.field, c.expected) << c.name;
    }
}

TEST(BoardSettings, NegativeZeroLengthsBecomePositiveZero)
{
    for (double BoardSettings::*field :
        { &BoardSettings::spacing, &BoardSettings::padding, &BoardSettings::cornerRadius }) {
        const double normalized = withDouble(field, -0.0).normalized().*field;
        EXPECT_EQ(normalized, 0.0);
        EXPECT_FALSE(std::signbit(normalized));
    }
}

TEST(BoardSettings, TitleKeepsItsFirst120Characters)
{
    const QString family = QString::fromUtf8("\U0001F468\u200D\U0001F469\u200D\U0001F467");
    const QString flag = QString::fromUtf8("\U0001F1EB\U0001F1F7");

    BoardSettings settings;
    settings.title = repeated(QStringLiteral("a"), 121);
    EXPECT_EQ(settings.normalized().title, repeated(QStringLiteral("a"), 120));

    settings.title = repeated(QStringLiteral("b"), 120);
    EXPECT_EQ(settings.normalized().title, settings.title);

    // 120 emoji of several code points each are far more than 120 code units but stay whole.
    settings.title = repeated(family, 120);
    EXPECT_EQ(settings.normalized().title, settings.title);
    settings.title = repeated(family, 60) + repeated(flag, 61);
    EXPECT_EQ(settings.normalized().title, repeated(family, 60) + repeated(flag, 60));
    EXPECT_EQ(GraphemeText::count(settings.normalized().title), 120);

    settings.title = QStringLiteral("  spaced  ");
    EXPECT_EQ(settings.normalized().title, QStringLiteral("  spaced  "));
}

TEST(BoardSettings, NormalizeChangesInPlaceAndIsIdempotent)
{
    BoardSettings settings(0, CellAspect::portrait, PhotoFit::fill, BoardBackground::dark, false,
        CaptionMode::none, repeated(QStringLiteral("t"), 130), notANumber, -2, 900000, 7, infinity, 1000);
    const BoardSettings copy = settings.normalized();
    EXPECT_EQ(settings.columns, 0) << "normalized() must leave the receiver alone";
    settings.normalize();
    EXPECT_EQ(settings, copy);
    EXPECT_EQ(settings.columns, 1);
    EXPECT_EQ(settings.cellAspect, CellAspect::portrait);
    EXPECT_EQ(settings.photoFit, PhotoFit::fill);
    EXPECT_EQ(settings.background, BoardBackground::dark);
    EXPECT_FALSE(settings.showNumbers);
    EXPECT_EQ(settings.captionMode, CaptionMode::none);
    EXPECT_EQ(settings.spacing, 24);
    EXPECT_EQ(settings.padding, 0);
    EXPECT_EQ(settings.cornerRadius, 60);
    EXPECT_EQ(settings.outputWidth, 800);
    EXPECT_EQ(settings.captionFontSize, 26);
    EXPECT_EQ(settings.titleFontSize, 96);
    EXPECT_EQ(settings.normalized(), settings);
}

TEST(BoardSettings, EqualityComparesEveryFieldAndNaNNeverEquals)
{
    EXPECT_EQ(BoardSettings(), BoardSettings());
    const BoardSettings nanSpacing = withDouble(&BoardSettings::spacing, notANumber);
    EXPECT_FALSE(nanSpacing == nanSpacing);
    EXPECT_TRUE(nanSpacing != nanSpacing);
    EXPECT_EQ(withDouble(&BoardSettings::padding, -0.0), withDouble(&BoardSettings::padding, 0.0));

    const auto differs = [](auto change) {
        BoardSettings settings;
        change(settings);
        return settings != BoardSettings();
    };
    EXPECT_TRUE(differs([](BoardSettings& s) { s.columns = 4; }));
    EXPECT_TRUE(differs([](BoardSettings& s) { s.cellAspect = CellAspect::square; }));
    EXPECT_TRUE(differs([](BoardSettings& s) { s.photoFit = PhotoFit::fill; }));
    EXPECT_TRUE(differs([](BoardSettings& s) { s.background = BoardBackground::dark; }));
    EXPECT_TRUE(differs([](BoardSettings& s) { s.showNumbers = false; }));
    EXPECT_TRUE(differs([](BoardSettings& s) { s.captionMode = CaptionMode::custom; }));
    EXPECT_TRUE(differs([](BoardSettings& s) { s.title = QStringLiteral("x"); }));
    EXPECT_TRUE(differs([](BoardSettings& s) { s.spacing = 25; }));
    EXPECT_TRUE(differs([](BoardSettings& s) { s.padding = 47; }));
    EXPECT_TRUE(differs([](BoardSettings& s) { s.cornerRadius = 13; }));
    EXPECT_TRUE(differs([](BoardSettings& s) { s.outputWidth = 2401; }));
    EXPECT_TRUE(differs([](BoardSettings& s) { s.captionFontSize = 27; }));
    EXPECT_TRUE(differs([](BoardSettings& s) { s.titleFontSize = 49; }));
}

TEST(BoardSettings, EncodesExactlyTheThirteenKeysWithTheirForms)
{
    const BoardSettings settings(40, CellAspect::widescreen, PhotoFit::fill, BoardBackground::dark, false,
        CaptionMode::custom, QStringLiteral("Trip"), -5, 1.5, 0, 100, 30, 50);
    const QJsonObject object = settings.toJson();
    EXPECT_EQ(object.keys(),
        QStringList({ "background", "captionFontSize", "captionMode", "cellAspect", "columns", "cornerRadius",
            "outputWidth", "padding", "photoFit", "showNumbers", "spacing", "title", "titleFontSize" }));
    EXPECT_EQ(object.value("columns").toInteger(), 40) << "encoding applies no ranges";
    EXPECT_EQ(object.value("cellAspect").toString(), "widescreen");
    EXPECT_EQ(object.value("photoFit").toString(), "fill");
    EXPECT_EQ(object.value("background").toString(), "dark");
    EXPECT_TRUE(object.value("showNumbers").isBool());
    EXPECT_EQ(object.value("captionMode").toString(), "custom");
    EXPECT_EQ(object.value("title").toString(), "Trip");
    EXPECT_EQ(object.value("spacing").toDouble(), -5);
    EXPECT_EQ(object.value("outputWidth").toInteger(), 100);
    // The text form of whole-number integers has no fraction.
    const QByteArray text = QJsonDocument(object).toJson(QJsonDocument::Compact);
    EXPECT_TRUE(text.contains("\"columns\":40,")) << text.constData();
}

TEST(BoardSettings, DecodingIsStrict)
{
    const auto decodeWith = [](const char* key, const QJsonValue& value) {
        QJsonObject object = validObject();
        object.insert(QLatin1String(key), value);
        return BoardSettings::fromJson(object);
    };
    const auto decodeWithout = [](const char* key) {
        QJsonObject object = validObject();
        object.remove(QLatin1String(key));
        return BoardSettings::fromJson(object);
    };
    ASSERT_TRUE(BoardSettings::fromJson(validObject()));

    for (const char* key :
        { "columns", "cellAspect", "photoFit", "background", "showNumbers", "captionMode", "title", "spacing",
            "padding", "cornerRadius", "outputWidth", "captionFontSize", "titleFontSize" }) {
        EXPECT_FALSE(decodeWithout(key)) << "missing " << key;
        EXPECT_FALSE(decodeWith(key, QJsonValue::Null)) << "null " << key;
        EXPECT_FALSE(decodeWith(key, QJsonArray())) << "array " << key;
    }
    EXPECT_FALSE(decodeWith("background", "Dark"));
    EXPECT_FALSE(decodeWith("cellAspect", "Square"));
    EXPECT_FALSE(decodeWith("photoFit", " fit"));
    EXPECT_FALSE(decodeWith("captionMode", "fileName"));
    EXPECT_FALSE(decodeWith("columns", 3.5));
    EXPECT_FALSE(decodeWith("outputWidth", 2400.25));
    EXPECT_FALSE(decodeWith("columns", "3"));
    EXPECT_FALSE(decodeWith("showNumbers", 1));
    EXPECT_FALSE(decodeWith("spacing", "24"));
    EXPECT_FALSE(decodeWith("title", 5));
    EXPECT_FALSE(BoardSettings::fromJson(QJsonObject()));

    EXPECT_TRUE(decodeWith("columns", 3.0)) << "an integral number is an integer";
    EXPECT_TRUE(decodeWith("unknownKey", "ignored"));
}

TEST(BoardSettings, DecodingAppliesNoRanges)
{
    QJsonObject object = validObject();
    object.insert("columns", 40);
    object.insert("spacing", -5);
    object.insert("outputWidth", 1);
    object.insert("title", QString(300, QLatin1Char('x')));
    const std::optional<BoardSettings> decoded = BoardSettings::fromJson(object);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->columns, 40);
    EXPECT_EQ(decoded->spacing, -5);
    EXPECT_EQ(decoded->outputWidth, 1);
    EXPECT_EQ(decoded->title.size(), 300);
}

TEST(BoardSettings, EncodeThenDecodeGivesAnEqualRecord)
{
    const QList<BoardSettings> records = {
        BoardSettings(),
        BoardSettings(6, CellAspect::portrait, PhotoFit::fill, BoardBackground::dark, false,
            CaptionMode::none, QString::fromUtf8("Tr\u00efp \U0001F468\u200D\U0001F469 \"quoted\"\n"), 0, 160,
            60, 6000, 60, 96),
        BoardSettings(-7, CellAspect::square, PhotoFit::fit, BoardBackground::light, true,
            CaptionMode::custom, QStringLiteral(""), 0.1 + 0.2, 1e-9, 12345.678,
            std::numeric_limits<qint64>::max(), -3, 1e300),
        BoardSettings(1, CellAspect::widescreen, PhotoFit::fit, BoardBackground::dark, true,
            CaptionMode::filename, QStringLiteral("x"), 24, 48, 12, std::numeric_limits<qint64>::min() + 1,
            26, 48),
    };
    for (const BoardSettings& record : records) {
        // Through the text form, as a project file holds it.
        const QByteArray text = QJsonDocument(record.toJson()).toJson();
        const std::optional<BoardSettings> decoded
            = BoardSettings::fromJson(QJsonDocument::fromJson(text).object());
        ASSERT_TRUE(decoded) << text.constData();
        EXPECT_EQ(*decoded, record) << text.constData();
    }
}
