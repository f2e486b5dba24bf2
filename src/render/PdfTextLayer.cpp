#include "render/PdfTextLayer.h"

#include <algorithm>
#include <QGlyphRun>
#include <QRawFont>
#include <QRegularExpression>
#include <QtEndian>
#include <QTextLayout>

namespace {
thread_local PdfTextLayer* recording = nullptr;

// The font's PostScript name, which Qt's PDF writer uses as the font's /BaseFont.
QByteArray postscriptName(const QRawFont& font)
{
    const QByteArray table = font.fontTable("name");
    const auto* data = reinterpret_cast<const uchar*>(table.constData());
    if (table.size() < 6) {
        return {};
    }
    const int count = qFromBigEndian<quint16>(data + 2);
    const int storage = qFromBigEndian<quint16>(data + 4);
    for (int index = 0; index < count && 6 + (index + 1) * 12 <= table.size(); ++index) {
        const uchar* record = data + 6 + index * 12;
        const int platform = qFromBigEndian<quint16>(record);
        const int length = qFromBigEndian<quint16>(record + 8);
        const int start = storage + qFromBigEndian<quint16>(record + 10);
        if (qFromBigEndian<quint16>(record + 6) != 6 || start + length > table.size()) {
            continue;
        }
        QByteArray name;
        // Windows and Unicode names are UTF-16BE; a PostScript name is ASCII.
        const int step = platform == 1 ? 1 : 2;
        for (int at = start + step - 1; at < start + length; at += step) {
            name.append(char(data[at]));
        }
        return name.replace(' ', '_');
    }
    return {};
}

QByteArray hex(const QString& text)
{
    QByteArray result;
    for (QChar unit : text) {
        result += QByteArray::number(unit.unicode(), 16).rightJustified(4, '0').toUpper();
    }
    return result;
}

// Whether code falls in one of the map's source ranges ("<lo> <hi> ...", one per line, after the
// code space range).
bool mapped(const QByteArray& cmap, int code)
{
    const QByteArray map = cmap.mid(cmap.indexOf("endcodespacerange"));
    static const QRegularExpression range(
        QStringLiteral("^<([0-9A-Fa-f]{4})> <([0-9A-Fa-f]{4})>"), QRegularExpression::MultilineOption);
    for (const QRegularExpressionMatch& match : range.globalMatch(QString::fromLatin1(map))) {
        if (code >= match.captured(1).toInt(nullptr, 16) && code <= match.captured(2).toInt(nullptr, 16)) {
            return true;
        }
    }
    return false;
}

struct Edit
{
    qsizetype at;
    qsizetype removed;
    QByteArray inserted;
};

// Applies the edits and moves every offset of the cross-reference table and startxref with
// them; false, leaving pdf alone, when the table is not where startxref says.
bool applyEdits(QByteArray& pdf, QList<Edit> edits)
{
    const auto moved = [&edits](qsizetype offset) {
        qsizetype result = offset;
        for (const Edit& edit : edits) {
            result += edit.at < offset ? edit.inserted.size() - edit.removed : 0;
        }
        return result;
    };
    const qsizetype startKey = pdf.lastIndexOf("startxref");
    bool ok = startKey >= 0;
    const qsizetype table
        = ok ? pdf.mid(startKey + 9).trimmed().split('\n').first().trimmed().toLongLong(&ok) : -1;
    if (!ok || !pdf.mid(table).startsWith("xref")) {
        return false;
    }
    // One subsection "0 count" of twenty-byte entries, as Qt writes it.
    const qsizetype header = pdf.indexOf('\n', table) + 1;
    const qsizetype first = pdf.indexOf('\n', header) + 1;
    const QList<QByteArray> range = pdf.mid(header, first - header).trimmed().split(' ');
    const qsizetype count = range.size() == 2 && range[0] == "0" ? range[1].toLongLong() : -1;
    if (header <= 0 || first <= 0 || count < 1 || first + count * 20 > pdf.size()) {
        return false;
    }
    QByteArray result = pdf;
    // The table and everything after it come after every edit, so changing them first leaves
    // the edits' positions valid.
    for (qsizetype entry = first; entry < first + count * 20; entry += 20) {
        if (result[entry + 17] == 'n') {
            const qsizetype offset = result.mid(entry, 10).toLongLong();
            result.replace(entry, 10, QByteArray::number(moved(offset)).rightJustified(10, '0'));
        }
    }
    const qsizetype number = result.indexOf('\n', startKey) + 1;
    result.replace(number, result.indexOf('\n', number) - number, QByteArray::number(moved(table)) + ' ');
    std::sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) { return a.at > b.at; });
    for (const Edit& edit : edits) {
        result.replace(edit.at, edit.removed, edit.inserted);
    }
    pdf = result;
    return true;
}
} // namespace

PdfTextLayer::PdfTextLayer()
{
    recording = this;
}

PdfTextLayer::~PdfTextLayer()
{
    if (recording == this) {
        recording = nullptr;
    }
}

void PdfTextLayer::noteLine(const QString& text, const QFont& font, const QPaintDevice& device)
{
    if (recording) {
        recording->note(text, font, device);
    }
}

void PdfTextLayer::note(const QString& text, const QFont& font, const QPaintDevice& device)
{
    // Shaped as QPainter::drawText shapes it, so the glyphs and their order are the writer's.
    QTextLayout layout(text, font, &device);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    for (const QGlyphRun& run : runs) {
        Face& face = m_faces[postscriptName(run.rawFont())];
        for (const quint32 glyph : run.glyphIndexes()) {
            if (glyph != 0 && !face.glyphs.contains(glyph)) {
                face.glyphs.append(glyph);
            }
        }
    }
    for (const char32_t code : text.toUcs4()) {
        if (code <= 0xFFFF) {
            continue;
        }
        const QString character = QString::fromUcs4(&code, 1);
        for (const QGlyphRun& run : runs) {
            const QList<quint32> glyphs = run.rawFont().glyphIndexesForString(character);
            if (run.rawFont().supportsCharacter(code) && glyphs.size() == 1) {
                m_faces[postscriptName(run.rawFont())].beyondBasicPlane.insert(glyphs.first(), character);
                break;
            }
        }
    }
}

QByteArray PdfTextLayer::extraEntries(const QByteArray& fontName, const QByteArray& existingMap) const
{
    const Face face = m_faces.value(fontName);
    QList<QByteArray> entries;
    for (qsizetype index = 0; index < face.glyphs.size(); ++index) {
        const QString text = face.beyondBasicPlane.value(face.glyphs[index]);
        const int code = int(index + 1);
        if (text.isEmpty()) {
            continue;
        }
        // A glyph the writer already mapped means the numbering is not the one predicted.
        if (code > 0xFFFF || mapped(existingMap, code)) {
            return {};
        }
        entries.append(
            '<' + QByteArray::number(code, 16).rightJustified(4, '0').toUpper() + "> <" + hex(text) + ">\n");
    }
    QByteArray blocks;
    // A block holds at most 100 entries.
    for (qsizetype start = 0; start < entries.size(); start += 100) {
        const QList<QByteArray> block = entries.mid(start, 100);
        blocks += QByteArray::number(block.size()) + " beginbfchar\n" + block.join() + "endbfchar\n";
    }
    return blocks;
}

void PdfTextLayer::complete(QByteArray& pdf) const
{
    static const QRegularExpression font(
        QStringLiteral("/BaseFont /(\\S+)\\s*/Encoding /Identity-H\\s*/DescendantFonts \\[\\d+ 0 "
                       "R\\]\\s*/ToUnicode (\\d+) 0 R"));
    QList<Edit> edits;
    for (const QRegularExpressionMatch& match : font.globalMatch(QString::fromLatin1(pdf))) {
        const QByteArray header = "\n" + match.captured(2).toLatin1() + " 0 obj\n<< /Length ";
        const qsizetype object = pdf.indexOf(header);
        const qsizetype lengthAt = object + header.size();
        const qsizetype stream = pdf.indexOf("stream\n", lengthAt) + 7;
        const qsizetype end = pdf.indexOf("endcmap", stream);
        if (object < 0 || stream < 7 || end < 0) {
            continue;
        }
        const QByteArray entries = extraEntries(match.captured(1).toLatin1(), pdf.mid(stream, end - stream));
        const qsizetype lengthEnd = pdf.indexOf(' ', lengthAt);
        bool ok = false;
        const qsizetype length = pdf.mid(lengthAt, lengthEnd - lengthAt).toLongLong(&ok);
        if (entries.isEmpty() || !ok) {
            continue;
        }
        edits.append({ lengthAt, lengthEnd - lengthAt, QByteArray::number(length + entries.size()) });
        edits.append({ end, 0, entries });
    }
    if (!edits.isEmpty()) {
        applyEdits(pdf, edits);
    }
}
