#pragma once

#include "app/AppearancePreference.h"
#include "app/RecentProjects.h"
#include "app/TesserlyAppDelegate.h"
#include "store/BoardStore.h"

#include <functional>
#include <memory>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QUrl>

class AboutView;
class BoardPlatform;
class BoardWindow;
class QLocale;
class QSessionManager;
class QTranslator;
class TesserlySettingsView;

// The application: one board store for the whole process, the one board window with the menu
// bar, the About and Settings windows, the appearance preference, and the one quit path that
// File > Quit, closing the board window and the end of the desktop session all take.
// Everything is built by the constructor, so a test can drive it without an event loop.
class TesserlyApp : public QObject
{
    Q_OBJECT

public:
    static constexpr QLatin1StringView desktopFileName { "tesserly" };

    // Creates the QApplication, the desktop platform and the application, opens the first project
    // among the arguments once the window is shown, and runs until the application ends.
    static int run(int argc, char** argv);
    // The process-wide names, icon and quit rule that run() gives the QApplication.
    static void configureApplication();
    // Loads Tesserly's own texts for the first language of `locale` that has a translation;
    // false when there is none (English needs none).
    static bool loadTranslation(QTranslator& translator, const QLocale& locale);

    // The platform runs the store's panels and alerts and must outlive the application. `beep`
    // plays the desktop's alert sound when a close is refused (QApplication::beep() when empty).
    explicit TesserlyApp(BoardPlatform& platform, std::function<void()> beep = {}, QObject* parent = nullptr);
    ~TesserlyApp() override;

    BoardStore& store() { return m_store; }
    TesserlyAppDelegate& delegate() { return m_delegate; }
    AppearancePreference& appearance() { return m_appearance; }
    RecentProjects& recentProjects() { return m_recentProjects; }
    BoardWindow& boardWindow() { return *m_boardWindow; }
    // Created on first use; nullptr before.
    AboutView* aboutWindow() const;
    TesserlySettingsView* settingsWindow() const;

    void showBoardWindow();
    // Files handed over by the desktop: the first project among them is opened; without one, the
    // images are added to the new board as Add Images adds them.
    void openFiles(const QList<QUrl>& urls);
    // Opens the window, or brings the open one to the front.
    void showAbout();
    void showSettings();
    void showQuickGuide();

    // The quit decision; emits terminated() and returns true when the application may end.
    bool requestQuit();
    // The desktop session is ending: the same decision, cancelling the shutdown when it refuses.
    void commitData(QSessionManager& manager);
    // The decision behind commitData(): true when the session may end. The user is only asked
    // when there is something to ask about and `mayInteract` (the session manager) allows it;
    // without that permission a busy or unsaved board refuses, since nothing may be lost unasked.
    bool sessionMayEnd(const std::function<bool()>& mayInteract);

signals:
    // The application may end now; run() leaves its event loop.
    void terminated();

private:
    void boardWindowClosed();

    BoardPlatform& m_platform;
    AppearancePreference m_appearance;
    RecentProjects m_recentProjects;
    BoardStore m_store;
    TesserlyAppDelegate m_delegate;
    // Declared after the store: the windows go first, since they hold on to it.
    std::unique_ptr<BoardWindow> m_boardWindow;
    QPointer<AboutView> m_aboutWindow;
    QPointer<TesserlySettingsView> m_settingsWindow;
    bool m_terminated = false;
};
