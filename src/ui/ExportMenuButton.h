#pragma once

#include <QToolButton>

// The footer's "Export" pull-down: white on an accent-coloured rounded rectangle, faded while
// exporting is not possible. Its menu holds "Export PNG…" and "Export PDF…".
class ExportMenuButton : public QToolButton
{
    Q_OBJECT

public:
    explicit ExportMenuButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
