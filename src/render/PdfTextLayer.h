#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

class QFont;
class QPaintDevice;

// Qt's PDF writer tells a reader which character each embedded glyph stands for by searching the
// font for characters of the Basic Multilingual Plane only, so a glyph drawn for an emoji or any
// other character beyond it has no text and vanishes from copy and search.
//
// While a board is painted into a PDF, a recording on the painting thread notes every line drawn,
// shaped as Qt shapes it. Qt numbers each font's glyphs in the order they are first drawn, so the
// recording knows which number each glyph got; complete() then adds the missing characters to
// the fonts' /ToUnicode maps and moves the cross-reference table's offsets to match.
class PdfTextLayer
{
public:
    // Becomes the recording of the calling thread until destroyed.
    PdfTextLayer();
    ~PdfTextLayer();
    PdfTextLayer(const PdfTextLayer&) = delete;
    PdfTextLayer& operator=(const PdfTextLayer&) = delete;

    // Notes one line drawn into a PDF with `font` on `device`; does nothing when the calling
    // thread has no recording.
    static void noteLine(const QString& text, const QFont& font, const QPaintDevice& device);

    // Adds the characters beyond the Basic Multilingual Plane to the document's text layer.
    // Leaves a font's map as it was when it does not look as the recording predicts.
    void complete(QByteArray& pdf) const;

private:
    struct Face
    {
        // In the order first drawn: glyph number i + 1 in the document.
        QList<quint32> glyphs;
        QHash<quint32, QString> beyondBasicPlane;
    };

    void note(const QString& text, const QFont& font, const QPaintDevice& device);
    QByteArray extraEntries(const QByteArray& fontName, const QByteArray& existingMap) const;

    QHash<QByteArray, Face> m_faces;
};
