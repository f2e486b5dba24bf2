#include "model/GraphemeText.h"

#include <algorithm>
#include <iterator>
#include <QChar>

// Extended grapheme clusters by the rules of Unicode's text segmentation annex (GB3 to GB13,
// GB999). QTextBoundaryFinder in Qt 6.4 cannot be used: it puts boundaries inside surrogate
// pairs next to some scripts (cutting a character in half) and loses the pairing of flag
// emoji after a joined emoji sequence. The character properties come from QChar; the few
// sets QChar does not expose are listed here.

namespace {
enum class Break {
    other,
    cr,
    lf,
    control,
    extend,
    zwj,
    regionalIndicator,
    prepend,
    spacingMark,
    l,
    v,
    t,
    lv,
    lvt
};

struct Range
{
    char32_t first;
    char32_t last;
};

bool inRanges(char32_t c, const Range* begin, const Range* end)
{
    const Range* found = std::upper_bound(
        begin, end, c, [](char32_t value, const Range& range) { return value < range.first; });
    return found != begin && c <= std::prev(found)->last;
}

// Extended_Pictographic, from the emoji data files.
constexpr Range pictographic[]
    = { { 0x00A9, 0x00A9 }, { 0x00AE, 0x00AE }, { 0x203C, 0x203C }, { 0x2049, 0x2049 }, { 0x2122, 0x2122 },
          { 0x2139, 0x2139 }, { 0x2194, 0x2199 }, { 0x21A9, 0x21AA }, { 0x231A, 0x231B }, { 0x2328, 0x2328 },
          { 0x2388, 0x2388 }, { 0x23CF, 0x23CF }, { 0x23E9, 0x23F3 }, { 0x23F8, 0x23FA }, { 0x24C2, 0x24C2 },
          { 0x25AA, 0x25AB }, { 0x25B6, 0x25B6 }, { 0x25C0, 0x25C0 }, { 0x25FB, 0x25FE }, { 0x2600, 0x2605 },
          { 0x2607, 0x2612 }, { 0x2614, 0x2685 }, { 0x2690, 0x2705 }, { 0x2708, 0x2712 }, { 0x2714, 0x2714 },
          { 0x2716, 0x2716 }, { 0x271D, 0x271D }, { 0x2721, 0x2721 }, { 0x2728, 0x2728 }, { 0x2733, 0x2734 },
          { 0x2744, 0x2744 }, { 0x2747, 0x2747 }, { 0x274C, 0x274C }, { 0x274E, 0x274E }, { 0x2753, 0x2755 },
          { 0x2757, 0x2757 }, { 0x2763, 0x2767 }, { 0x2795, 0x2797 }, { 0x27A1, 0x27A1 }, { 0x27B0, 0x27B0 },
          { 0x27BF, 0x27BF }, { 0x2934, 0x2935 }, { 0x2B05, 0x2B07 }, { 0x2B1B, 0x2B1C }, { 0x2B50, 0x2B50 },
          { 0x2B55, 0x2B55 }, { 0x3030, 0x3030 }, { 0x303D, 0x303D }, { 0x3297, 0x3297 }, { 0x3299, 0x3299 },
          { 0x1F000, 0x1F0FF }, { 0x1F10D, 0x1F10F }, { 0x1F12F, 0x1F12F }, { 0x1F16C, 0x1F171 },
          { 0x1F17E, 0x1F17F }, { 0x1F18E, 0x1F18E }, { 0x1F191, 0x1F19A }, { 0x1F1AD, 0x1F1E5 },
          { 0x1F201, 0x1F20F }, { 0x1F21A, 0x1F21A }, { 0x1F22F, 0x1F22F }, { 0x1F232, 0x1F23A },
          { 0x1F23C, 0x1F23F }, { 0x1F249, 0x1F3FA }, { 0x1F400, 0x1F53D }, { 0x1F546, 0x1F64F },
          { 0x1F680, 0x1F6FF }, { 0x1F774, 0x1F77F }, { 0x1F7D5, 0x1F7FF }, { 0x1F80C, 0x1F80F },
          { 0x1F848, 0x1F84F }, { 0x1F85A, 0x1F85F }, { 0x1F888, 0x1F88F }, { 0x1F8AE, 0x1F8FF },
          { 0x1F90C, 0x1F93A }, { 0x1F93C, 0x1F945 }, { 0x1F947, 0x1FAFF }, { 0x1FC00, 0x1FFFD } };

constexpr Range prepend[] = { { 0x0600, 0x0605 }, { 0x06DD, 0x06DD }, { 0x070F, 0x070F }, { 0x0890, 0x0891 },
    { 0x08E2, 0x08E2 }, { 0x0D4E, 0x0D4E }, { 0x110BD, 0x110BD }, { 0x110CD, 0x110CD }, { 0x111C2, 0x111C3 },
    { 0x1193F, 0x1193F }, { 0x11941, 0x11941 }, { 0x11A3A, 0x11A3A }, { 0x11A84, 0x11A89 },
    { 0x11D46, 0x11D46 }, { 0x11F02, 0x11F02 } };

// Extend beyond the non-spacing and enclosing marks: spacing marks that extend, the joiners,
// halfwidth sound marks, tags and the emoji skin-tone modifiers.
constexpr Range extraExtend[] = { { 0x09BE, 0x09BE }, { 0x09D7, 0x09D7 }, { 0x0B3E, 0x0B3E },
    { 0x0B57, 0x0B57 }, { 0x0BBE, 0x0BBE }, { 0x0BD7, 0x0BD7 }, { 0x0CC2, 0x0CC2 }, { 0x0CD5, 0x0CD6 },
    { 0x0D3E, 0x0D3E }, { 0x0D57, 0x0D57 }, { 0x0DCF, 0x0DCF }, { 0x0DDF, 0x0DDF }, { 0x1B35, 0x1B35 },
    { 0x200C, 0x200C }, { 0x302E, 0x302F }, { 0xFF9E, 0xFF9F }, { 0x1133E, 0x1133E }, { 0x11357, 0x11357 },
    { 0x114B0, 0x114B0 }, { 0x114BD, 0x114BD }, { 0x115AF, 0x115AF }, { 0x11930, 0x11930 },
    { 0x1D165, 0x1D165 }, { 0x1D16E, 0x1D172 }, { 0x1F3FB, 0x1F3FF }, { 0xE0020, 0xE007F } };

// Spacing combining marks that do not keep the preceding character.
constexpr Range notSpacingMark[] = { { 0x102B, 0x102C }, { 0x1038, 0x1038 }, { 0x1062, 0x1064 },
    { 0x1067, 0x106D }, { 0x1083, 0x1083 }, { 0x1087, 0x108C }, { 0x108F, 0x108F }, { 0x109A, 0x109C },
    { 0x1A61, 0x1A61 }, { 0x1A63, 0x1A64 }, { 0xAA7B, 0xAA7B }, { 0xAA7D, 0xAA7D }, { 0x11720, 0x11721 } };

template <std::size_t size> bool contains(const Range (&ranges)[size], char32_t c)
{
    return inRanges(c, ranges, ranges + size);
}

Break breakProperty(char32_t c)
{
    if (c == 0x000D) {
        return Break::cr;
    }
    if (c == 0x000A) {
        return Break::lf;
    }
    if (c == 0x200D) {
        return Break::zwj;
    }
    if (c >= 0x1F1E6 && c <= 0x1F1FF) {
        return Break::regionalIndicator;
    }
    if (contains(extraExtend, c)) {
        return Break::extend;
    }
    if (contains(prepend, c)) {
        return Break::prepend;
    }
    if ((c >= 0x1100 && c <= 0x115F) || (c >= 0xA960 && c <= 0xA97C)) {
        return Break::l;
    }
    if ((c >= 0x1160 && c <= 0x11A7) || (c >= 0xD7B0 && c <= 0xD7C6)) {
        return Break::v;
    }
    if ((c >= 0x11A8 && c <= 0x11FF) || (c >= 0xD7CB && c <= 0xD7FB)) {
        return Break::t;
    }
    if (c >= 0xAC00 && c <= 0xD7A3) {
        return (c - 0xAC00) % 28 == 0 ? Break::lv : Break::lvt;
    }
    if (c == 0x0E33 || c == 0x0EB3) {
        return Break::spacingMark;
    }
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_Enclosing:
        return Break::extend;
    case QChar::Mark_SpacingCombining:
        return contains(notSpacingMark, c) ? Break::other : Break::spacingMark;
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return Break::control;
    default:
        return Break::other;
    }
}

// The code point at `position` and the number of UTF-16 units it takes; a lone surrogate is
// one unit and segments as a control character.
char32_t codePointAt(const QString& text, qsizetype position, qsizetype& length)
{
    const QChar unit = text.at(position);
    if (unit.isHighSurrogate() && position + 1 < text.size() && text.at(position + 1).isLowSurrogate()) {
        length = 2;
        return QChar::surrogateToUcs4(unit, text.at(position + 1));
    }
    length = 1;
    return unit.unicode();
}

bool isControl(Break property)
{
    return property == Break::control || property == Break::cr || property == Break::lf;
}

// The end (exclusive) of the cluster that starts at `start`.
qsizetype clusterEnd(const QString& text, qsizetype start)
{
    qsizetype length = 0;
    char32_t c = codePointAt(text, start, length);
    Break previous = breakProperty(c);
    qsizetype position = start + length;
    // GB11: a pictographic character followed by extends only, so far.
    bool pictographicRun = contains(pictographic, c);
    bool joinerAfterPictographic = false;
    // GB12 and GB13: regional indicators pair up from the start of their run.
    int indicatorsInRun = previous == Break::regionalIndicator ? 1 : 0;

    while (position < text.size()) {
        c = codePointAt(text, position, length);
        const Break next = breakProperty(c);
        const bool nextPictographic = contains(pictographic, c);
        bool joins = false;
        if (previous == Break::cr && next == Break::lf) {
            joins = true;
        } else if (isControl(previous) || isControl(next)) {
            joins = false;
        } else if (previous == Break::l
            && (next == Break::l || next == Break::v || next == Break::lv || next == Break::lvt)) {
            joins = true;
        } else if ((previous == Break::lv || previous == Break::v)
            && (next == Break::v || next == Break::t)) {
            joins = true;
        } else if ((previous == Break::lvt || previous == Break::t) && next == Break::t) {
            joins = true;
        } else if (next == Break::extend || next == Break::zwj || next == Break::spacingMark
            || previous == Break::prepend) {
            joins = true;
        } else if (previous == Break::zwj && nextPictographic && joinerAfterPictographic) {
            joins = true;
        } else if (previous == Break::regionalIndicator && next == Break::regionalIndicator) {
            joins = indicatorsInRun % 2 == 1;
        }
        if (!joins) {
            break;
        }
        joinerAfterPictographic = next == Break::zwj && pictographicRun;
        pictographicRun = nextPictographic || (pictographicRun && next == Break::extend);
        indicatorsInRun = next == Break::regionalIndicator ? indicatorsInRun + 1 : 0;
        previous = next;
        position += length;
    }
    return position;
}
} // namespace

qsizetype GraphemeText::count(const QString& text)
{
    qsizetype clusters = 0;
    for (qsizetype position = 0; position < text.size(); position = clusterEnd(text, position)) {
        ++clusters;
    }
    return clusters;
}

QString GraphemeText::prefix(const QString& text, qsizetype maximumCharacters)
{
    if (maximumCharacters <= 0) {
        return {};
    }
    // Fewer code units than the limit can never hold more clusters than the limit.
    if (text.size() <= maximumCharacters) {
        return text;
    }
    qsizetype position = 0;
    for (qsizetype clusters = 0; clusters < maximumCharacters && position < text.size(); ++clusters) {
        position = clusterEnd(text, position);
    }
    return text.left(position);
}
