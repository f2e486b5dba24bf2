#include "ui/WheelGuard.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QScrollBar>
#include <QWidget>

namespace {

bool isGuarded(const QWidget* widget)
{
    // Scroll bars are what the wheel is for.
    return (qobject_cast<const QAbstractSlider*>(widget) && !qobject_cast<const QScrollBar*>(widget))
        || qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget);
}

} // namespace

WheelGuard::WheelGuard(QObject* parent)
    : QObject(parent)
{ }

void WheelGuard::install(QWidget* root)
{
    auto* guard = new WheelGuard(root);
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : std::as_const(widgets)) {
        if (isGuarded(widget)) {
            // Pop-ups default to taking focus from the wheel itself.
            widget->setFocusPolicy(Qt::StrongFocus);
            widget->installEventFilter(guard);
        }
    }
}

bool WheelGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel) {
        const auto* widget = static_cast<QWidget*>(watched);
        if (!widget->hasFocus()) {
            // Handled here and not accepted: the application hands the wheel on to the parent,
            // up to the scroll area around the control.
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
