#include "ui/SwitchToggle.h"

#include "ui/InterfaceStyle.h"

#include <QPainter>

SwitchToggle::SwitchToggle(QWidget* parent)
    : QAbstractButton(parent)
{
    setCheckable(true);
    setFixedSize(sizeHint());
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void SwitchToggle::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF track = QRectF(rect()).adjusted(1, 1, -1, -1);
    const double opacity = isEnabled() ? 1.0 : 0.45;
    painter.setPen(Qt::NoPen);
    painter.setBrush(
        isChecked() ? InterfaceStyle::accent(this, opacity) : InterfaceStyle::primary(this, 0.18 * opacity));
    painter.drawRoundedRect(track, track.height() / 2, track.height() / 2);
    const double knob = track.height() - 4;
    const double x = isChecked() ? track.right() - 2 - knob : track.left() + 2;
    painter.setBrush(QColor(255, 255, 255, int(255 * opacity)));
    painter.setPen(QPen(QColor(0, 0, 0, 40), 0.5));
    painter.drawEllipse(QRectF(x, track.top() + 2, knob, knob));
    if (hasFocus()) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(InterfaceStyle::accent(this, 0.6), 1.5));
        painter.drawRoundedRect(
            QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75), height() / 2.0, height() / 2.0);
    }
}
