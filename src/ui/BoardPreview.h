#pragma once

#include <QWidget>

class BoardCanvas;
class BoardStore;
class FocusRing;
class PreviewEmptyState;
class QMimeData;
class QScrollArea;

// The large area that shows the board: fitted to its width, scrolling when tall, and the main
// drop target for files and image data. With no photos it shows the empty state instead.
class BoardPreview : public QWidget
{
    Q_OBJECT

public:
    static constexpr double cornerRadius = 14;
    static constexpr int canvasMargin = 24;
    static constexpr double minimumScale = 0.02;

    BoardPreview(BoardStore& store, QWidget* parent = nullptr);

    // The canvas scale for an available width: the board fitted to the width less 24 points on
    // each side, never enlarged and never below 2 %.
    static double previewScale(double availableWidth, double layoutWidth);
    double previewScale(double availableWidth) const;

    bool isDropTargeted() const { return m_isDropTargeted; }
    // Whether a drag offers anything the board could import (local files or image data).
    static bool offersImages(const QMimeData& mimeData);

    BoardCanvas* canvas() const { return m_canvas; }
    PreviewEmptyState* emptyState() const { return m_emptyState; }
    QScrollArea* scrollArea() const { return m_scrollArea; }
    FocusRing* focusRing() const { return m_focusRing; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void refresh();
    void placeCanvas();
    void setDropTargeted(bool targeted);
    void revealSelection();

    BoardStore& m_store;
    PreviewEmptyState* m_emptyState;
    QScrollArea* m_scrollArea;
    QWidget* m_content;
    BoardCanvas* m_canvas;
    QWidget* m_frame;
    FocusRing* m_focusRing = nullptr;
    bool m_isDropTargeted = false;
};
