#include "ui/FocusRing.h"

#include "ui/InterfaceStyle.h"

#include <QEvent>
#include <QPainter>

FocusRing::FocusRing(QWidget* target, double cornerRadius)
    : QWidget(target->parentWidget())
    , m_target(target)
    , m_cornerRadius(cornerRadius)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    target->installEventFilter(this);
    follow();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        follow();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::follow()
{
    if (!m_target) {
        hide();
        return;
    }
    setGeometry(m_target->geometry());
    const bool shown = m_target->isVisible() && m_target->hasFocus();
    setVisible(shown);
    if (shown) {
        raise();
    }
}

void FocusRing::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(InterfaceStyle::accent(this), 2));
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), m_cornerRadius, m_cornerRadius);
}
