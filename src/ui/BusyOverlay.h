#pragma once

#include <QWidget>

class ElidedLabel;
class QTimer;

// Covers the window while a long operation runs: dims everything and shows a small spinning
// indicator with the store's status message in a centred panel. It takes every click, so
// nothing beneath responds.
class BusyOverlay : public QWidget
{
    Q_OBJECT

public:
    explicit BusyOverlay(QWidget* parent);

    void setMessage(const QString& message);
    QString message() const;
    QWidget* panel() const { return m_panel; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void placePanel();

    QWidget* m_panel;
    QWidget* m_spinner;
    ElidedLabel* m_label;
    QTimer* m_timer;
};
