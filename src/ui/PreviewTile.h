#pragma once

#include <QAbstractButton>
#include <QUuid>

class BoardStore;
class PhotoDragAndDrop;

// The clickable area over one photo's tile on the preview. The canvas below draws the photo;
// the tile adds what belongs to the interface only: the selection border, the drop highlight,
// the help text, the accessible name, the click that selects and the reorder drag.
class PreviewTile : public QAbstractButton
{
    Q_OBJECT

public:
    PreviewTile(BoardStore& store, QWidget* parent);

    // Binds the tile to a photo at a board position; geometry and corner radius are on screen.
    void bind(const QUuid& photoID, const QString& fileName, qsizetype index);
    void setCornerRadius(double radius);
    void setSelected(bool selected);

    const QUuid& photoID() const { return m_photoID; }
    bool isSelected() const { return m_selected; }
    PhotoDragAndDrop& dragAndDrop() const { return *m_dragAndDrop; }

    static QString helpText(const QString& fileName);
    static QString accessibleNameFor(qsizetype index, const QString& fileName);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    BoardStore& m_store;
    PhotoDragAndDrop* m_dragAndDrop;
    QUuid m_photoID;
    double m_cornerRadius = 0;
    bool m_selected = false;
};
