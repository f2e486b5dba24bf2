#pragma once

#include "model/BoardPhoto.h"

#include <QAbstractButton>

class BoardStore;
class PhotoDragAndDrop;
class QMenu;

// One photo in the strip: its thumbnail with a number badge, its name, the selection marking,
// the context menu of image commands and the reorder drag. A click selects the photo.
class PhotoThumbnail : public QAbstractButton
{
    Q_OBJECT

public:
    static constexpr int imageWidth = 96;
    static constexpr int imageHeight = 61;
    static constexpr int padding = 5;
    static constexpr int fullWidth = imageWidth + 2 * padding;

    PhotoThumbnail(BoardStore& store, QWidget* parent = nullptr);

    // Shows a photo at a board position on a board of photoCount photos.
    void bind(const BoardPhoto& photo, qsizetype index, qsizetype photoCount);
    void setSelected(bool selected);

    const QUuid& photoID() const { return m_photo.id(); }
    qsizetype index() const { return m_index; }
    bool isSelected() const { return m_selected; }
    PhotoDragAndDrop& dragAndDrop() const { return *m_dragAndDrop; }

    // "beach.jpg · 4032 × 3024 px"
    static QString helpText(const BoardPhoto& photo);
    // The menu acts on this photo, not on the selection. The caller owns it.
    QMenu* createContextMenu(QWidget* parent);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    BoardStore& m_store;
    PhotoDragAndDrop* m_dragAndDrop;
    BoardPhoto m_photo;
    qsizetype m_index = 0;
    qsizetype m_photoCount = 0;
    bool m_selected = false;
};
