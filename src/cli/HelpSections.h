#pragma once

#include <QList>
#include <QString>

// The help text of `tesserly --help` read back as a document: its blocks (separated by blank
// lines) are paragraphs or two-column tables ("  TERM   description", continued on indented
// lines). The manual page and the shell completion are made from this reading, so neither can
// drift from the help.
class HelpSections
{
public:
    struct Entry
    {
        QString term;
        QString description;
    };
    struct Block
    {
        // The line ending in ':' that introduces a table, without the colon; may be empty.
        QString heading;
        // A table's rows; empty for a paragraph.
        QList<Entry> entries;
        // A paragraph's text on one line; empty for a table.
        QString paragraph;
    };

    static QList<Block> parse(const QString& helpText);
    // The rows of every table, in order.
    static QList<Entry> entries(const QList<Block>& blocks);
};
