#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

class QWidget;

// Lets chosen keys pressed in a text field reach the window's commands. A field claims every key
// it has a binding for, even one that would do nothing there: the caption editor takes Ctrl+Z
// with its own undo switched off, and on Linux desktops a field takes Ctrl+E to move to the end
// of the line, so Export would never see it.
class KeyPassThrough : public QObject
{
    Q_OBJECT

public:
    static void install(QWidget* field, QList<QKeySequence> keys);

    // The window's export commands (Ctrl+E, Ctrl+Shift+E).
    static QList<QKeySequence> exportKeys();
    // The desktop's undo and redo keys, all their bindings.
    static QList<QKeySequence> undoKeys();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyPassThrough(QWidget* field, QList<QKeySequence> keys);

    QList<QKeySequence> m_keys;
};
