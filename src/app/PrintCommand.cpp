#include "app/PrintCommand.h"

#include "app/TesserlyCommands.h"
#include "store/BoardStore.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

PrintCommand::PrintCommand(BoardStore& store, QMenuBar& menuBar)
    : QObject(&menuBar)
{
    QMenu* file = TesserlyCommands::menu(menuBar, TesserlyCommands::fileMenuTitle);
    m_action = new QAction(TesserlyCommands::translated(title), file);
    m_action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    m_action->setShortcutContext(Qt::WindowShortcut);
    file->insertAction(TesserlyCommands::actionAfter(*file, TesserlyCommands::exportPDFTitle), m_action);

    QPointer<BoardStore> guarded(&store);
    connect(m_action, &QAction::triggered, this, [guarded] {
        if (guarded) {
            guarded->printBoard();
        }
    });
    const auto follow = [this, guarded] { m_action->setEnabled(guarded && guarded->canExport()); };
    connect(&store, &BoardStore::changed, this, follow);
    follow();
}
