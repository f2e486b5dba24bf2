#include "app/CloseShortcut.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

void CloseShortcut::install(QWidget* window)
{
    auto* closeWindow = new QAction(window);
    closeWindow->setShortcuts({ QKeySequence(QKeySequence::Close), QKeySequence(Qt::Key_Escape) });
    QObject::connect(closeWindow, &QAction::triggered, window, &QWidget::close);
    window->addAction(closeWindow);
}
