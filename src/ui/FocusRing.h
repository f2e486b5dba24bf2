#pragma once

#include <QPointer>
#include <QWidget>

// The visible mark of keyboard focus on a view that draws no focus of its own (the photo strip,
// the preview): an accent outline over the view's edge while the view has focus. It sits on top
// of the view as a sibling, follows its geometry and lets every click through.
class FocusRing : public QWidget
{
    Q_OBJECT

public:
    FocusRing(QWidget* target, double cornerRadius);

    // Whether the ring is drawn now.
    bool isShown() const { return isVisible(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void follow();

    QPointer<QWidget> m_target;
    double m_cornerRadius;
};
