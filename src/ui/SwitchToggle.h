#pragma once

#include <QAbstractButton>

// A small on/off switch (the track turns the accent colour when on).
class SwitchToggle : public QAbstractButton
{
    Q_OBJECT

public:
    explicit SwitchToggle(QWidget* parent = nullptr);

    QSize sizeHint() const override { return QSize(32, 18); }

protected:
    void paintEvent(QPaintEvent* event) override;
};
