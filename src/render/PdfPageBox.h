#pragma once

#include <QByteArray>
#include <QSizeF>

// QPageSize keeps page sizes in whole points, so QPdfWriter cannot make a page of 862.5 points.
// The renderer asks for the next whole point and then writes the exact box into the finished
// document. The new box text is padded to the old one's length, so every byte offset in the
// cross-reference table stays valid.
class PdfPageBox
{
public:
    // Replaces the one page's /MediaBox with (0, 0, size). False, leaving the document as it was,
    // when there is not exactly one media box or the new text would not fit in the old one's place.
    static bool setMediaBox(QByteArray& pdf, QSizeF size);

    // The /MediaBox entry as numbers, for checks; empty when there is not exactly one.
    static QList<double> mediaBox(const QByteArray& pdf);

    // A PDF number: shortest decimal form, at most four decimals.
    static QByteArray number(double value);
};
