#include "app/OpenRecentMenu.h"

#include "app/RecentProjects.h"
#include "app/TesserlyCommands.h"
#include "store/BoardStore.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

namespace {

// The package's name, with its folder added where two recent projects share a name.
QString itemText(const QUrl& url, const QList<QUrl>& all)
{
    const QFileInfo info(url.toLocalFile());
    const qsizetype sameName = std::count_if(all.cbegin(), all.cend(),
        [&info](const QUrl& other) { return QFileInfo(other.toLocalFile()).fileName() == info.fileName(); });
    QString text = info.fileName();
    if (sameName > 1) {
        text += QStringLiteral(" \u2014 ") + info.absolutePath();
    }
    // A lone "&" in a name would otherwise become a mnemonic.
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

OpenRecentMenu::OpenRecentMenu(BoardStore& store, RecentProjects& recent, QMenuBar& menuBar)
    : QObject(&menuBar)
    , m_store(&store)
    , m_recent(recent)
{
    QMenu* file = TesserlyCommands::menu(menuBar, TesserlyCommands::fileMenuTitle);
    m_menu = new QMenu(TesserlyCommands::translated(title), file);
    file->insertMenu(TesserlyCommands::actionAfter(*file, TesserlyCommands::openBoardTitle), m_menu);

    connect(&store, &BoardStore::projectURLChanged, this, [this] {
        if (m_store && m_store->projectURL()) {
            m_recent.add(*m_store->projectURL());
        }
    });
    connect(&store, &BoardStore::projectOpenFailed, &recent, &RecentProjects::remove);
    connect(&store, &BoardStore::isBusyChanged, m_menu, [this](bool busy) { m_menu->setEnabled(!busy); });
    connect(&recent, &RecentProjects::changed, this, &OpenRecentMenu::rebuild);
    rebuild();
}

void OpenRecentMenu::rebuild()
{
    m_menu->clear();
    const QList<QUrl> urls = m_recent.urls();
    for (const QUrl& url : urls) {
        QAction* item = m_menu->addAction(itemText(url, urls));
        item->setToolTip(url.toLocalFile());
        item->setStatusTip(url.toLocalFile());
        connect(item, &QAction::triggered, this, [this, url] {
            if (m_store) {
                m_store->openProject(url);
            }
        });
    }
    if (!urls.isEmpty()) {
        m_menu->addSeparator();
    }
    QAction* clear = m_menu->addAction(TesserlyCommands::translated(clearTitle));
    clear->setEnabled(!urls.isEmpty());
    connect(clear, &QAction::triggered, &m_recent, &RecentProjects::clear);
}
