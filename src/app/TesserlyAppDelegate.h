#pragma once

#include "store/BoardPlatform.h"

#include <functional>
#include <optional>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QUrl>

class BoardStore;

// Receives the files the desktop hands over and decides whether the application may quit.
// Holds the store weakly and only from the moment the board window first appears; files handed
// over before that wait until then.
class TesserlyAppDelegate : public QObject
{
    Q_OBJECT

public:
    static constexpr const char* busyQuitMessage
        = QT_TRANSLATE_NOOP("TesserlyAppDelegate", "Tesserly is finishing an operation");
    static constexpr const char* busyQuitInformation = QT_TRANSLATE_NOOP(
        "TesserlyAppDelegate", "Wait for the current import or export to finish, then quit again.");
    static constexpr const char* okButton = QT_TRANSLATE_NOOP("TesserlyAppDelegate", "OK");

    // `showAlert` runs a modal alert (the store's platform in the application).
    explicit TesserlyAppDelegate(
        std::function<void(const AlertRequest&)> showAlert, QObject* parent = nullptr);

    // The first URL whose extension is "tesserly" in any letter case; the rest are ignored.
    static std::optional<QUrl> firstProject(const QList<QUrl>& urls);
    // Turns command-line arguments (paths, or file: URLs as some launchers pass) into file URLs.
    static QList<QUrl> urlsFromArguments(const QStringList& arguments);

    // The board window's content was shown: from now on projects open at once.
    void windowAppeared(BoardStore& store);
    // Files handed over by the desktop: the first project among them opens; without a project,
    // all of them are added to the board exactly as Add Images adds chosen files.
    void openFiles(const QList<QUrl>& urls);
    // The quit decision: busy refuses with an alert; otherwise unsaved changes are asked about.
    // True when the application may end now.
    bool shouldTerminate();
    // Closing the last window ends the application.
    static constexpr bool shouldTerminateAfterLastWindowClosed() { return true; }

    BoardStore* store() const { return m_store.data(); }
    const std::optional<QUrl>& pendingProjectURL() const { return m_pendingProjectURL; }
    const QList<QUrl>& pendingImageURLs() const { return m_pendingImageURLs; }

private:
    std::function<void(const AlertRequest&)> m_showAlert;
    QPointer<BoardStore> m_store;
    std::optional<QUrl> m_pendingProjectURL;
    QList<QUrl> m_pendingImageURLs;
};
