#include "app/BoardWindow.h"

#include "store/BoardStore.h"
#include "ui/ContentView.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QToolBar>

BoardWindow::BoardWindow(BoardStore& store, QWidget* parent)
    : QMainWindow(parent)
    , m_store(&store)
    , m_content(new ContentView(store, this))
{
    setObjectName(QString(identifier));
    setCentralWidget(m_content);
    if (QToolBar* toolBar = m_content->toolBar()) {
        addToolBar(toolBar);
    }
    // The window cannot be made smaller than its content allows; the layout enforces it.
    resize(defaultWidth, defaultHeight);
    connect(&store, &BoardStore::changed, this, &BoardWindow::updateTitle);
    updateTitle();
}

void BoardWindow::showCentred()
{
    resize(defaultWidth, defaultHeight);
    if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
}

void BoardWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    emit appeared();
}

void BoardWindow::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    if (event->isAccepted()) {
        emit closed();
    }
}

void BoardWindow::updateTitle()
{
    if (m_store) {
        setWindowTitle(m_store->windowSubtitle() + titleSuffix.toString());
    }
}
