#include "model/GraphemeText.h"

#include <gtest/gtest.h>
#include <iterator>
#include <tuple>

namespace {
// Emoji and scripts whose one user-perceived character spans several code points.
const QString family = QString::fromUtf8("\U0001F468\u200D\U0001F469\u200D\U0001F467\u200D\U0001F466");
const QString rainbowFlag = QString::fromUtf8("\U0001F3F3\uFE0F\u200D\U0001F308");
const QString flagOfJapan = QString::fromUtf8("\U0001F1EF\U0001F1F5");
const QString thumbsUpDark = QString::fromUtf8("\U0001F44D\U0001F3FF");
const QString combiningE = QString::fromUtf8("e\u0301");
const QString hangulSyllable = QString::fromUtf8("\u1100\u1161\u11A8");
const QString englandFlag
    = QString::fromUtf8("\U0001F3F4\U000E0067\U000E0062\U000E0065\U000E006E\U000E0067\U000E007F");

} // namespace

TEST(GraphemeText, CountsEachMultiCodePointCharacterOnce)
{
    const std::tuple<const char*, QString, qsizetype> cases[] = {
        { "empty", QString(), 0 },
        { "ascii", QStringLiteral("abc"), 3 },
        { "zwj family", family, 1 },
        { "rainbow flag", rainbowFlag, 1 },
        { "regional indicator flag", flagOfJapan, 1 },
        { "two flags in a row", flagOfJapan + flagOfJapan, 2 },
        { "skin tone modifier", thumbsUpDark, 1 },
        { "combining accent", combiningE, 1 },
        { "hangul jamo", hangulSyllable, 1 },
        { "tag sequence flag", englandFlag, 1 },
        { "mixed", QStringLiteral("a") + family + QStringLiteral("b") + flagOfJapan, 4 },
        { "crlf is one", QStringLiteral("\r\n"), 1 },
        { "lf cr is two", QStringLiteral("\n\r"), 2 },
        { "flags after a joined sequence pair up", family + flagOfJapan + flagOfJapan, 3 },
        { "odd regional indicator stands alone", flagOfJapan + flagOfJapan.left(2), 2 },
        { "modifier before devanagari", thumbsUpDark + QString::fromUtf8("\u0915"), 2 },
        { "lone modifier then devanagari", QString::fromUtf8("\U0001F3FF\u0915"), 2 },
        { "joiner without pictograph before", QString::fromUtf8("a\u200D\U0001F468"), 2 },
        { "keycap", QString::fromUtf8("1\uFE0F\u20E3"), 1 },
        { "prepended arabic number sign", QString::fromUtf8("\u0600\u0661"), 1 },
        { "spacing mark", QString::fromUtf8("\u0915\u093F"), 1 },
        { "lone high surrogate", QString(QChar(0xD83D)) + QStringLiteral("a"), 2 },
    };
    for (const auto& [name, text, expected] : cases) {
        EXPECT_EQ(GraphemeText::count(text), expected) << name;
    }
}

TEST(GraphemeText, PrefixNeverSplitsACharacterAndKeepsWhitespace)
{
    const std::tuple<QString, qsizetype, QString> cases[] = {
        { family.repeated(5), 2, family.repeated(2) },
        { family.repeated(5), 6, family.repeated(5) },
        { flagOfJapan.repeated(3), 1, flagOfJapan },
        { QStringLiteral("x") + combiningE + QStringLiteral("y"), 2, QStringLiteral("x") + combiningE },
        { QStringLiteral("abc"), 0, QString() },
        { QStringLiteral("abc"), -1, QString() },
        { QStringLiteral("  a b  "), 4, QStringLiteral("  a ") },
        { QStringLiteral("a\r\nb"), 2, QStringLiteral("a\r\n") },
    };
    for (const auto& [text, count, expected] : cases) {
        EXPECT_EQ(GraphemeText::prefix(text, count), expected) << text.toStdString() << " " << count;
    }
}

TEST(GraphemeText, PrefixNeverCutsASurrogatePair)
{
    // Mixes that have made other segmenters break between the halves of one code point.
    const QString pieces[] = { thumbsUpDark, QString::fromUtf8("\U0001F3FF"), QString::fromUtf8("\u0915"),
        QString::fromUtf8("\u094D"), flagOfJapan, family, QStringLiteral("a"), QString::fromUtf8("\u0903"),
        englandFlag, QString::fromUtf8("\u200D") };
    quint32 state = 12345;
    for (int round = 0; round < 2000; ++round) {
        QString text;
        for (int piece = 0; piece < 6; ++piece) {
            state = state * 1664525u + 1013904223u;
            text += pieces[(state >> 16) % std::size(pieces)];
        }
        const qsizetype total = GraphemeText::count(text);
        ASSERT_GE(total, 1);
        ASSERT_LE(total, text.size());
        for (qsizetype n = 1; n <= total; ++n) {
            const QString prefix = GraphemeText::prefix(text, n);
            ASSERT_FALSE(prefix.back().isHighSurrogate()) << "round " << round << " n " << n;
            ASSERT_EQ(GraphemeText::count(prefix), n) << "round " << round;
        }
    }
}
