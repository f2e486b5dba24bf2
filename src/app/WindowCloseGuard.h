#pragma once

#include <functional>
#include <QObject>
#include <QPointer>

class BoardStore;
class QWidget;

// Stands between the board window and its close events: while the store is busy a close only
// beeps; with unsaved changes the store asks first. The window's own closeEvent() still has the
// last word, and only when it accepts is the board's unsaved state let go. Installed as an event
// filter, so every other event reaches the window untouched.
class WindowCloseGuard : public QObject
{
    Q_OBJECT

public:
    // The store is held weakly: with it gone, closes pass straight to the window. `beep` plays the
    // desktop's alert sound (QApplication::beep() unless a test counts it).
    WindowCloseGuard(BoardStore& store, QWidget& window, std::function<void()> beep = {});
    ~WindowCloseGuard() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<BoardStore> m_store;
    QPointer<QWidget> m_window;
    std::function<void()> m_beep;
    // Set while the close event is handed to the window itself.
    bool m_forwarding = false;
};
