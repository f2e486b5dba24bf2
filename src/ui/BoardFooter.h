#pragma once

#include <QWidget>

class BoardStore;
class ElidedLabel;
class ExportMenuButton;
class QAction;
class QLabel;
class QPushButton;

// The bar under the board: how many images, whether there are unsaved changes, what happened
// last, and the two ways to get the finished board out.
class BoardFooter : public QWidget
{
    Q_OBJECT

public:
    static constexpr int minimumBarHeight = 64;

    BoardFooter(BoardStore& store, QWidget* parent = nullptr);

    // "1 image" for one photo, otherwise the count and " images" (also "0 images").
    static QString imageCountText(qsizetype count);

    QLabel* countLabel() const { return m_count; }
    QWidget* unsavedDot() const { return m_unsavedDot; }
    ElidedLabel* statusLabel() const { return m_status; }
    QPushButton* copyButton() const { return m_copy; }
    ExportMenuButton* exportButton() const { return m_export; }
    QAction* exportPNGAction() const { return m_exportPNG; }
    QAction* exportPDFAction() const { return m_exportPDF; }

private:
    void refresh();

    BoardStore& m_store;
    QLabel* m_count;
    QWidget* m_unsavedDot;
    ElidedLabel* m_status;
    QPushButton* m_copy;
    ExportMenuButton* m_export;
    QAction* m_exportPNG;
    QAction* m_exportPDF;
};
