#pragma once

#include <QObject>

class QWidget;

// Keeps a scrolling wheel from changing settings by accident: sliders, pop-ups and spin boxes
// take keyboard focus only from a click or Tab, and a wheel over one that has no focus leaves
// it alone and scrolls whatever panel holds it instead.
class WheelGuard : public QObject
{
    Q_OBJECT

public:
    // Guards every such control under root (root included) that exists now.
    static void install(QWidget* root);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit WheelGuard(QObject* parent);
};
