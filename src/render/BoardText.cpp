#include "render/BoardText.h"

#include <algorithm>
#include <QPainter>
#include <QTextLayout>

namespace {
QString withLineFeeds(const QString& text)
{
    QString result = text;
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return result;
}

bool isHardBreak(QChar character)
{
    return character == u'\n' || character == u'\r' || character == QChar::LineSeparator
        || character == QChar::ParagraphSeparator;
}

// The text QTextLayout breaks: hard breaks become Unicode line separators, which are the only
// ones it honours, and a zero-width space follows every hyphen inside a word. Unicode's line
// breaking keeps a hyphen with a following digit, since "-2560" may be a negative number, but in
// a file name such as "Autumn-2560x1600.jpg" a typesetter breaks after the hyphen; the space
// allows that break. `origins` maps each position of the result back to the text's.
struct BreakableText
{
    QString text;
    QList<qsizetype> origins;
};

bool isHyphen(QChar character)
{
    return character == u'-' || character == QChar(0x2010);
}

BreakableText breakable(const QString& text)
{
    BreakableText result;
    result.text.reserve(text.size() + 8);
    for (qsizetype index = 0; index < text.size(); ++index) {
        const QChar character = text[index];
        result.origins.append(index);
        result.text.append(
            character == u'\n' || character == u'\r' ? QChar(QChar::LineSeparator) : character);
        const bool insideWord = index > 0 && text[index - 1].isLetterOrNumber() && index + 1 < text.size()
            && !text[index + 1].isSpace();
        if (isHyphen(character) && insideWord) {
            result.origins.append(index + 1);
            result.text.append(QChar(0x200B));
        }
    }
    result.origins.append(text.size());
    return result;
}

// A line is drawn without its closing hard break.
QString withoutHardBreaks(QString text)
{
    while (!text.isEmpty() && isHardBreak(text.back())) {
        text.chop(1);
    }
    return text;
}
} // namespace

QStringList BoardText::blockLines(const QString& text, double width, const BoardFont& font, int maximumLines)
{
    const QString prepared = withLineFeeds(text);
    if (prepared.isEmpty() || !(width > 0) || maximumLines < 1) {
        return {};
    }
    const BreakableText breakableText = breakable(prepared);
    QTextLayout layout(breakableText.text, font.oversampledFont(), &font.device());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setUseDesignMetrics(true);
    layout.setTextOption(option);

    QStringList lines;
    const qsizetype length = prepared.size();
    qsizetype start = 0;
    layout.beginLayout();
    for (int index = 0; index < maximumLines && start < length; ++index) {
        QTextLine line = layout.createLine();
        if (!line.isValid()) {
            break;
        }
        line.setLineWidth(width * BoardFont::oversampling);
        const qsizetype end = breakableText.origins.value(line.textStart() + line.textLength(), length);
        const qsizetype count = std::clamp<qsizetype>(end - start, 1, length - start);
        if (index == maximumLines - 1 && start + count < length) {
            QString rest = prepared.mid(start);
            for (QChar& character : rest) {
                if (character == u'\n' || character == u'\r') {
                    character = u' ';
                }
            }
            const QString truncated = font.elided(rest, width);
            // Not even one character fits before the ellipsis: the ellipsis alone.
            lines.append(truncated.isEmpty() ? ellipsis() : truncated);
            break;
        }
        lines.append(withoutHardBreaks(prepared.mid(start, count)));
        start += count;
    }
    layout.endLayout();
    return lines;
}

void BoardText::drawBlock(QPainter& painter, const QString& text, const QRectF& rect, const BoardFont& font,
    const QColor& color, int maximumLines, double lineHeight)
{
    if (!(rect.width() > 0) || !(rect.height() > 0)) {
        return;
    }
    const QStringList lines = blockLines(text, rect.width(), font, maximumLines);
    if (lines.isEmpty()) {
        return;
    }
    const double halfLeading = std::max(0.0, (lineHeight - font.ascent() - font.descent()) / 2);

    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setPen(color);
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const double baseline = rect.top() + halfLeading + font.ascent() + double(index) * lineHeight;
        font.draw(painter, QPointF(rect.left(), baseline), lines[index]);
    }
    painter.restore();
}

void BoardText::drawCentredLabel(
    QPainter& painter, const QString& text, const QRectF& rect, const BoardFont& font, const QColor& color)
{
    if (!(rect.width() > 0) || !(rect.height() > 0)) {
        return;
    }
    const QStringList lines = blockLines(text, rect.width(), font, 1);
    if (lines.isEmpty()) {
        return;
    }
    const double penX = rect.left() + std::max(0.0, (rect.width() - font.advance(lines.first())) / 2);
    const double baseline = rect.top() + (rect.height() - font.ascent() - font.descent()) / 2 + font.ascent();

    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setPen(color);
    font.draw(painter, QPointF(penX, baseline), lines.first());
    painter.restore();
}
