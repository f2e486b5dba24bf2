#include "cli/HelpSections.h"

#include <algorithm>
#include <optional>
#include <QRegularExpression>
#include <QStringList>
#include <utility>

namespace {

qsizetype indentOf(const QString& line)
{
    qsizetype indent = 0;
    while (indent < line.size() && line[indent] == u' ') {
        ++indent;
    }
    return indent;
}

// "TERM   description": the term ends at the first run of two or more spaces.
std::optional<HelpSections::Entry> entryStart(const QString& line)
{
    static const QRegularExpression columns(QStringLiteral("^ *(\\S.*?)(?: {2,}(\\S.*))?$"));
    const QRegularExpressionMatch match = columns.match(line);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return HelpSections::Entry { match.captured(1), match.captured(2) };
}

void appendWords(QString& text, const QString& more)
{
    text += (text.isEmpty() ? QString() : QStringLiteral(" ")) + more.trimmed();
}

// A table's rows start at one indent and their continuations are indented deeper; its first row
// has a gap of two spaces or more between term and description. Prose has neither.
bool isTable(const QStringList& lines)
{
    const qsizetype rowIndent = indentOf(lines.first());
    const bool continuationsDeeper = std::all_of(lines.cbegin(), lines.cend(),
        [rowIndent](const QString& line) { return indentOf(line) >= rowIndent; });
    return continuationsDeeper && lines.first().mid(rowIndent).contains(QStringLiteral("  "));
}

HelpSections::Block readBlock(QStringList lines)
{
    HelpSections::Block block;
    if (lines.size() > 1 && indentOf(lines.first()) == 0 && lines.first().endsWith(u':')) {
        block.heading = lines.takeFirst().chopped(1);
    }
    if (!isTable(lines)) {
        for (const QString& line : lines) {
            appendWords(block.paragraph, line);
        }
        return block;
    }
    const qsizetype rowIndent = indentOf(lines.first());
    for (const QString& line : lines) {
        const std::optional<HelpSections::Entry> row
            = indentOf(line) == rowIndent ? entryStart(line) : std::nullopt;
        if (row) {
            block.entries.append(*row);
        } else if (!block.entries.isEmpty()) {
            appendWords(block.entries.last().description, line);
        }
    }
    return block;
}

} // namespace

QList<HelpSections::Block> HelpSections::parse(const QString& helpText)
{
    QList<Block> blocks;
    QStringList lines;
    for (const QString& line : helpText.split(u'\n')) {
        if (!line.trimmed().isEmpty()) {
            lines.append(line);
            continue;
        }
        if (!lines.isEmpty()) {
            blocks.append(readBlock(std::exchange(lines, {})));
        }
    }
    if (!lines.isEmpty()) {
        blocks.append(readBlock(lines));
    }
    return blocks;
}

QList<HelpSections::Entry> HelpSections::entries(const QList<Block>& blocks)
{
    QList<Entry> all;
    for (const Block& block : blocks) {
        all.append(block.entries);
    }
    return all;
}
