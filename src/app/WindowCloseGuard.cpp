#include "app/WindowCloseGuard.h"

#include "store/BoardStore.h"

#include <QApplication>
#include <QCloseEvent>
#include <QWidget>

WindowCloseGuard::WindowCloseGuard(BoardStore& store, QWidget& window, std::function<void()> beep)
    : QObject(&window)
    , m_store(&store)
    , m_window(&window)
    , m_beep(beep ? std::move(beep) : std::function<void()>([] { QApplication::beep(); }))
{
    window.installEventFilter(this);
}

WindowCloseGuard::~WindowCloseGuard()
{
    if (m_window) {
        m_window->removeEventFilter(this);
    }
}

bool WindowCloseGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Close || watched != m_window || m_forwarding || !m_store) {
        return QObject::eventFilter(watched, event);
    }
    if (m_store->isBusy()) {
        // The running operation goes on; the user closes again when it has finished.
        m_beep();
        event->ignore();
        return true;
    }
    if (!m_store->confirmDiscardChanges()) {
        event->ignore();
        return true;
    }
    if (!m_window) {
        return true;
    }
    // The window may still refuse; the board stays marked as changed in that case.
    QCloseEvent forwarded;
    m_forwarding = true;
    QCoreApplication::sendEvent(m_window, &forwarded);
    m_forwarding = false;
    if (!forwarded.isAccepted()) {
        event->ignore();
        return true;
    }
    if (m_store) {
        m_store->acceptWindowClose();
    }
    event->accept();
    return true;
}
