#include "cli/ManualPage.h"

#include "cli/HelpSections.h"

#include <QStringList>

namespace {

const QString exitStatusLead = QStringLiteral("Exit status:");

void addTaggedEntries(QStringList& lines, const QList<HelpSections::Entry>& entries)
{
    for (const HelpSections::Entry& entry : entries) {
        lines << QStringLiteral(".TP") << ManualPage::term(entry.term);
        if (!entry.description.isEmpty()) {
            lines << ManualPage::escaped(entry.description);
        }
    }
}

// "Options (--name=value ... work)" gives the section OPTIONS and a first paragraph.
void addHeadedTable(QStringList& lines, const HelpSections::Block& block)
{
    const qsizetype aside = block.heading.indexOf(QStringLiteral(" ("));
    lines << QStringLiteral(".SH ") + block.heading.left(aside).toUpper();
    if (aside >= 0 && block.heading.endsWith(u')')) {
        QString note = block.heading.mid(aside + 2).chopped(1);
        lines << QStringLiteral(".PP") << ManualPage::escaped(note + u'.');
    }
    addTaggedEntries(lines, block.entries);
}

} // namespace

QString ManualPage::escaped(const QString& text)
{
    QString result = text;
    result.replace(u'\\', QStringLiteral("\\e")).replace(u'-', QStringLiteral("\\-"));
    if (result.startsWith(u'.') || result.startsWith(u'\'')) {
        result.prepend(QStringLiteral("\\&"));
    }
    return result;
}

QString ManualPage::term(const QString& text)
{
    QStringList parts;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        const bool literal
            = word.startsWith(u'-') || word == QLatin1String("tesserly") || word == QLatin1String("render");
        const bool placeholder = !literal && word != QLatin1String("|") && word.toUpper() == word;
        const QString font = literal ? QStringLiteral("\\fB")
            : placeholder            ? QStringLiteral("\\fI")
                                     : QString();
        parts << (font.isEmpty() ? escaped(word) : font + escaped(word) + QStringLiteral("\\fR"));
    }
    return parts.join(u' ');
}

QString ManualPage::troff(const QString& helpText, const QString& version)
{
    const QList<HelpSections::Block> blocks = HelpSections::parse(helpText);
    QStringList lines {
        QStringLiteral(".TH TESSERLY 1 \"\" \"tesserly %1\" \"User Commands\"").arg(version),
        QStringLiteral(".SH NAME"),
        QStringLiteral("tesserly \\- contact sheets and comparison boards from images"),
        QStringLiteral(".SH SYNOPSIS"),
    };
    // The command forms come from the first table, the usage.
    const QList<HelpSections::Entry> forms = blocks.value(0).entries;
    for (const HelpSections::Entry& form : forms) {
        lines << term(form.term) << QStringLiteral(".br");
    }
    lines << QStringLiteral(".SH DESCRIPTION");
    addTaggedEntries(lines, forms);
    for (const HelpSections::Block& block : blocks.mid(1)) {
        if (!block.heading.isEmpty()) {
            addHeadedTable(lines, block);
        } else if (!block.entries.isEmpty()) {
            lines << QStringLiteral(".PP");
            addTaggedEntries(lines, block.entries);
        } else if (block.paragraph.startsWith(exitStatusLead)) {
            lines << QStringLiteral(".SH EXIT STATUS")
                  << escaped(block.paragraph.mid(exitStatusLead.size()).trimmed());
        } else {
            lines << QStringLiteral(".PP") << escaped(block.paragraph);
        }
    }
    return lines.join(u'\n') + u'\n';
}
