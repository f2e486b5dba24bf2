#include "render/PdfPageBox.h"

#include <cmath>
#include <QList>

namespace {
const QByteArray key = QByteArrayLiteral("/MediaBox");

// The array after the one /MediaBox key: the offsets of '[' and ']', or -1.
std::pair<qsizetype, qsizetype> boxArray(const QByteArray& pdf)
{
    const qsizetype at = pdf.indexOf(key);
    if (at < 0 || pdf.indexOf(key, at + key.size()) >= 0) {
        return { -1, -1 };
    }
    qsizetype open = at + key.size();
    while (open < pdf.size() && (pdf[open] == ' ' || pdf[open] == '\n' || pdf[open] == '\r')) {
        ++open;
    }
    if (open >= pdf.size() || pdf[open] != '[') {
        return { -1, -1 };
    }
    const qsizetype close = pdf.indexOf(']', open);
    if (close < 0 || close - open > 200) {
        return { -1, -1 };
    }
    return { open, close };
}
} // namespace

QByteArray PdfPageBox::number(double value)
{
    QByteArray text = QByteArray::number(value, 'f', 4);
    while (text.contains('.') && (text.endsWith('0') || text.endsWith('.'))) {
        text.chop(1);
    }
    return text == "-0" ? QByteArray("0") : text;
}

bool PdfPageBox::setMediaBox(QByteArray& pdf, QSizeF size)
{
    if (!std::isfinite(size.width()) || !std::isfinite(size.height()) || size.width() <= 0
        || size.height() <= 0) {
        return false;
    }
    const auto [open, close] = boxArray(pdf);
    if (open < 0) {
        return false;
    }
    QByteArray box = "[0 0 " + number(size.width()) + ' ' + number(size.height());
    const qsizetype oldLength = close + 1 - open;
    if (box.size() + 1 > oldLength) {
        return false;
    }
    box += QByteArray(oldLength - 1 - box.size(), ' ');
    box += ']';
    pdf.replace(open, oldLength, box);
    return true;
}

QList<double> PdfPageBox::mediaBox(const QByteArray& pdf)
{
    const auto [open, close] = boxArray(pdf);
    if (open < 0) {
        return {};
    }
    QList<double> numbers;
    for (const QByteArray& part : pdf.mid(open + 1, close - open - 1).simplified().split(' ')) {
        bool ok = false;
        const double value = part.toDouble(&ok);
        if (!ok) {
            return {};
        }
        numbers.append(value);
    }
    return numbers.size() == 4 ? numbers : QList<double>();
}
