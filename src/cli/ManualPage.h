#pragma once

#include <QString>

// The manual page tesserly(1), in troff, made from the help text of `tesserly --help`: the same
// command forms, arguments, options and exit status, so that the two always agree.
class ManualPage
{
public:
    static QString troff(const QString& helpText, const QString& version);
    // Text safe in a troff line: backslashes and minus signs escaped, no leading control dot.
    static QString escaped(const QString& text);
    // A command form or option term: option names and words in bold, placeholders in italics.
    static QString term(const QString& text);
};
