#include "app/TesserlyApp.h"

#include "app/AboutCommand.h"
#include "app/AboutView.h"
#include "app/AppInfo.h"
#include "app/BoardWindow.h"
#include "app/OpenRecentMenu.h"
#include "app/PrintCommand.h"
#include "app/TesserlyCommands.h"
#include "app/TesserlySettingsView.h"
#include "app/WindowCloseGuard.h"
#include "store/BoardPlatform.h"
#include "ui/QtBoardPlatform.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenuBar>
#include <QSessionManager>
#include <QTimer>
#include <QTranslator>

TesserlyApp::TesserlyApp(BoardPlatform& platform, std::function<void()> beep, QObject* parent)
    : QObject(parent)
    , m_platform(platform)
    , m_store(platform)
    , m_delegate([this](const AlertRequest& request) { m_platform.runAlert(request); })
    , m_boardWindow(std::make_unique<BoardWindow>(m_store))
{
    new WindowCloseGuard(m_store, *m_boardWindow, std::move(beep));
    QMenuBar& menuBar = *m_boardWindow->menuBar();
    new TesserlyCommands(m_store, menuBar,
        TesserlyCommands::ApplicationActions {
            [this] { requestQuit(); },
            [this] { showSettings(); },
            [this](const AlertRequest& request) { m_platform.runAlert(request); },
        });
    new AboutCommand(menuBar, [this] { showAbout(); });
    new OpenRecentMenu(m_store, m_recentProjects, menuBar);
    new PrintCommand(m_store, menuBar);

    connect(
        m_boardWindow.get(), &BoardWindow::appeared, this, [this] { m_delegate.windowAppeared(m_store); });
    // Closing the board window ends the application; the decision runs once the close is done.
    connect(m_boardWindow.get(), &BoardWindow::closed, this,
        [this] { QTimer::singleShot(0, this, &TesserlyApp::boardWindowClosed); });
}

TesserlyApp::~TesserlyApp()
{
    delete m_aboutWindow.data();
    delete m_settingsWindow.data();
}

AboutView* TesserlyApp::aboutWindow() const
{
    return m_aboutWindow.data();
}

TesserlySettingsView* TesserlyApp::settingsWindow() const
{
    return m_settingsWindow.data();
}

void TesserlyApp::showBoardWindow()
{
    m_boardWindow->showCentred();
}

void TesserlyApp::openFiles(const QList<QUrl>& urls)
{
    m_delegate.openFiles(urls);
}

void TesserlyApp::showAbout()
{
    if (!m_aboutWindow) {
        m_aboutWindow = new AboutView(AppInfo::current());
        m_aboutWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_boardWindow->presentCentred(*m_aboutWindow);
}

void TesserlyApp::showSettings()
{
    if (!m_settingsWindow) {
        m_settingsWindow = new TesserlySettingsView(m_appearance);
        m_settingsWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_boardWindow->presentCentred(*m_settingsWindow);
}

void TesserlyApp::showQuickGuide()
{
    m_platform.runAlert(TesserlyCommands::quickGuide());
}

bool TesserlyApp::requestQuit()
{
    if (m_terminated) {
        return true;
    }
    if (!m_delegate.shouldTerminate()) {
        return false;
    }
    m_terminated = true;
    emit terminated();
    return true;
}

void TesserlyApp::commitData(QSessionManager& manager)
{
    bool interacting = false;
    const bool mayEnd = sessionMayEnd([&manager, &interacting] {
        interacting = manager.allowsInteraction();
        return interacting;
    });
    if (interacting) {
        manager.release();
    }
    if (!mayEnd) {
        manager.cancel();
    }
}

bool TesserlyApp::sessionMayEnd(const std::function<bool()>& mayInteract)
{
    // Nothing to ask about: agree without taking the user's attention.
    const bool needsUser = m_store.isBusy() || m_store.hasUnsavedChanges();
    if (needsUser && !mayInteract()) {
        return false;
    }
    return m_delegate.shouldTerminate();
}

void TesserlyApp::boardWindowClosed()
{
    if (m_terminated) {
        return;
    }
    // The close was agreed to, so the decision finds nothing left to ask; should anything have
    // changed in between, the board window comes back rather than leaving no window.
    if (!requestQuit()) {
        showBoardWindow();
    }
}

bool TesserlyApp::loadTranslation(QTranslator& translator, const QLocale& locale)
{
    return translator.load(
        locale, QStringLiteral("tesserly"), QStringLiteral("_"), QStringLiteral(":/translations"));
}

void TesserlyApp::configureApplication()
{
    QApplication::setOrganizationName(QString(AppearancePreference::organization));
    QApplication::setApplicationName(QString(AppearancePreference::application));
    // No display name: Qt would append it to every window title that does not already end in
    // it ("Tesserly Settings — Tesserly"); the titles name the application themselves.
    QGuiApplication::setDesktopFileName(QString(desktopFileName));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tesserly.png")));
    // The board window's close decides about the end of the process, not the window count.
    QApplication::setQuitOnLastWindowClosed(false);
}

int TesserlyApp::run(int argc, char** argv)
{
    QApplication application(argc, argv);
    // The desktop's language, before any text is made: Tesserly's own texts, and Qt's for the
    // standard dialogs when Qt's translations are installed.
    QTranslator texts;
    if (loadTranslation(texts, QLocale())) {
        QCoreApplication::installTranslator(&texts);
    }
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qtTexts);
    }
    configureApplication();

    QtBoardPlatform platform;
    TesserlyApp app(platform);
    // Panels and alerts sit on the board window.
    platform.setWindow(&app.boardWindow());
    QObject::connect(&app, &TesserlyApp::terminated, &application, [] { QCoreApplication::exit(0); });
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &app, &TesserlyApp::commitData,
        Qt::DirectConnection);

    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    app.openFiles(TesserlyAppDelegate::urlsFromArguments(arguments));
    app.showBoardWindow();
    return QApplication::exec();
}
