#pragma once

#include "render/BoardLayout.h"

#include <QList>
#include <QStringList>
#include <QWidget>

class BoardStore;
class PreviewTile;

// The board as the export draws it, at the preview's scale: the same layout and the same
// BoardPainter as the PNG and PDF, fed with the photos' stored thumbnails instead of decoded
// image bytes. Only the part of the board that is exposed is drawn; a tile widget over each
// photo adds selection, clicks, help texts and reordering.
class BoardCanvas : public QWidget
{
    Q_OBJECT

public:
    BoardCanvas(BoardStore& store, QWidget* parent = nullptr);

    double scale() const { return m_scale; }
    void setScale(double scale);
    const BoardLayout& layout() const { return m_layout; }
    // The board's size on screen: the layout size times the scale, rounded up.
    QSize scaledSize() const;
    const QList<PreviewTile*>& tiles() const { return m_tiles; }

    // Re-reads the photos and settings from the store.
    void refresh();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void placeTiles();
    void updateSelection();
    QStringList fileNames() const;

    BoardStore& m_store;
    BoardLayout m_layout;
    double m_scale = 1;
    QList<PreviewTile*> m_tiles;
    QStringList m_boundNames;
};
