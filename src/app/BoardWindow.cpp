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

QRect BoardWindow::placement(const QRect& available, QSize preferred, QSize minimum, const QMargins& frame)
{
    const QSize room = available.size().shrunkBy(frame);
    const QSize size = preferred.boundedTo(room).expandedTo(minimum);
    QRect outer(QPoint(), size.grownBy(frame));
    outer.moveCenter(available.center());
    // A window too large for the area keeps its title bar and menu bar on screen.
    outer.moveTopLeft(
        QPoint(std::max(outer.left(), available.left()), std::max(outer.top(), available.top())));
    return QRect(outer.topLeft() + QPoint(frame.left(), frame.top()), size);
}

QPoint BoardWindow::centredOver(const QRect& over, QSize size, const QRect& available)
{
    QRect outer(QPoint(), size);
    outer.moveCenter(over.center());
    if (!available.isEmpty()) {
        outer.moveRight(std::min(outer.right(), available.right()));
        outer.moveBottom(std::min(outer.bottom(), available.bottom()));
        outer.moveTopLeft(
            QPoint(std::max(outer.left(), available.left()), std::max(outer.top(), available.top())));
    }
    return outer.topLeft();
}

void BoardWindow::showCentred()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        resize(defaultWidth, defaultHeight);
        show();
        return;
    }
    const QMargins frame = isVisible()
        ? QMargins(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
            frameGeometry().right() - geometry().right(), frameGeometry().bottom() - geometry().bottom())
        : frameAllowance;
    const QRect placed = placement(
        screen->availableGeometry(), QSize(defaultWidth, defaultHeight), minimumSizeHint(), frame);
    resize(placed.size());
    // A window's position is that of its frame.
    move(placed.topLeft() - QPoint(frame.left(), frame.top()));
    show();
}

void BoardWindow::presentCentred(QWidget& window) const
{
    if (!window.isVisible()) {
        window.adjustSize();
        const QScreen* screen = this->screen();
        window.move(centredOver(
            frameGeometry(), window.frameGeometry().size(), screen ? screen->availableGeometry() : QRect()));
    }
    window.show();
    window.raise();
    window.activateWindow();
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
