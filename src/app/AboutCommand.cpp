#include "app/AboutCommand.h"

#include "app/TesserlyCommands.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

AboutCommand::AboutCommand(QMenuBar& menuBar, std::function<void()> openAboutWindow)
    : QObject(&menuBar)
{
    QMenu* help = TesserlyCommands::menu(menuBar, TesserlyCommands::helpMenuTitle);
    if (!help->isEmpty()) {
        help->addSeparator();
    }
    QAction* about = help->addAction(TesserlyCommands::translated(title));
    about->setMenuRole(QAction::AboutRole);
    connect(about, &QAction::triggered, this, std::move(openAboutWindow));
}
