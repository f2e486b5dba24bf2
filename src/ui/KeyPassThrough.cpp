#include "ui/KeyPassThrough.h"

#include <QKeyEvent>
#include <QWidget>

KeyPassThrough::KeyPassThrough(QWidget* field, QList<QKeySequence> keys)
    : QObject(field)
    , m_keys(std::move(keys))
{
    field->installEventFilter(this);
}

void KeyPassThrough::install(QWidget* field, QList<QKeySequence> keys)
{
    new KeyPassThrough(field, std::move(keys));
}

QList<QKeySequence> KeyPassThrough::exportKeys()
{
    return { QKeySequence(Qt::CTRL | Qt::Key_E), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E) };
}

QList<QKeySequence> KeyPassThrough::undoKeys()
{
    return QKeySequence::keyBindings(QKeySequence::Undo) + QKeySequence::keyBindings(QKeySequence::Redo);
}

bool KeyPassThrough::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        if (m_keys.contains(pressed)) {
            // Not claimed: the key goes to the window's shortcut.
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
