#pragma once

#include <QString>

// Every character limit in the program counts user-perceived characters (extended grapheme
// clusters), so an emoji made of several code points counts once and is never cut in half.
class GraphemeText
{
public:
    static qsizetype count(const QString& text);
    static QString prefix(const QString& text, qsizetype maximumCharacters);
};
