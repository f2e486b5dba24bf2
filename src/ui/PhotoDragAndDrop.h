#pragma once

#include <QColor>
#include <QObject>
#include <QPoint>
#include <QRectF>
#include <QUuid>

class BoardStore;
class QPainter;
class QWidget;

// Makes a widget that shows one photo both a drag source for that photo and a drop target for
// another photo of this board (the preview's tiles and the strip's thumbnails). Installed as an
// event filter; the widget asks isTargeted() when it paints and draws paintHighlight() over
// itself. Files dragged in from outside are left to the widget's parents.
class PhotoDragAndDrop : public QObject
{
    Q_OBJECT

public:
    PhotoDragAndDrop(BoardStore& store, QWidget* view, const QUuid& photoID, double targetWidth);

    const QUuid& photoID() const { return m_photoID; }
    void setPhotoID(const QUuid& photoID) { m_photoID = photoID; }
    double targetWidth() const { return m_targetWidth; }
    void setTargetWidth(double width) { m_targetWidth = width; }
    bool isTargeted() const { return m_isTargeted; }

    // The dashed accent outline drawn over a targeted view.
    static void paintHighlight(QPainter& painter, const QRectF& rect, const QColor& accent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setTargeted(bool targeted);
    void startDrag();

    BoardStore& m_store;
    QWidget* m_view;
    QUuid m_photoID;
    double m_targetWidth;
    bool m_isTargeted = false;
    std::optional<QPoint> m_pressPosition;
};
