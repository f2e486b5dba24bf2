#include "model/GraphemeText.h"

#include <QTextBoundaryFinder>

qsizetype GraphemeText::count(const QString& text)
{
    if (text.isEmpty()) {
        return 0;
    }
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype clusters = 0;
    while (finder.toNextBoundary() != -1) {
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
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype clusters = 0;
    qsizetype position = 0;
    while (clusters < maximumCharacters) {
        const qsizetype next = finder.toNextBoundary();
        if (next == -1) {
            return text;
        }
        position = next;
        ++clusters;
    }
    return text.left(position);
}
