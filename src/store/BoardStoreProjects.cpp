#include "store/BoardStore.h"

#include "io/ProjectPackage.h"
#include "model/ContentTypes.h"
#include "store/BoardPlatform.h"
#include "store/BoardStoreJob.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
QString newBoardText()
{
    return QCoreApplication::translate("BoardStore", "New board");
}
QString openingText()
{
    return QCoreApplication::translate("BoardStore", "Opening board\u2026");
}
QString openFailedText()
{
    return QCoreApplication::translate("BoardStore", "Could not open board");
}
QString savedText()
{
    return QCoreApplication::translate("BoardStore", "Board saved");
}
QString saveFailedText()
{
    return QCoreApplication::translate("BoardStore", "Could not save board");
}
QString saveButton()
{
    return QCoreApplication::translate("BoardStore", "Save\u2026");
}
QString discardButton()
{
    return QCoreApplication::translate("BoardStore", "Discard Changes");
}
QString cancelButton()
{
    return QCoreApplication::translate("BoardStore", "Cancel");
}
QString replaceButton()
{
    return QCoreApplication::translate("BoardStore", "Replace");
}

PanelRequest projectPanel(const QString& title)
{
    PanelRequest request;
    request.title = title;
    request.mimeTypes = { QString(ContentTypes::projectMimeType) };
    request.suffixes = { QString(ContentTypes::projectExtension) };
    return request;
}
} // namespace

void BoardStore::newBoard()
{
    if (m_isBusy || !confirmDiscardChanges()) {
        return;
    }
    replaceBoard(LoadedBoard { {}, BoardSettings() }, std::nullopt);
    m_knownPackage.reset();
    setStatusMessage(newBoardText());
}

void BoardStore::openProject()
{
    if (m_isBusy) {
        return;
    }
    const std::optional<QUrl> url = m_platform.chooseProjectToOpen(
        projectPanel(QCoreApplication::translate("BoardStore", "Open Tesserly Project")));
    if (url && !url->isEmpty()) {
        openProject(*url);
    }
}

void BoardStore::openProject(const QUrl& url)
{
    if (m_isBusy || !confirmDiscardChanges()) {
        return;
    }
    using Opened = std::pair<LoadedBoard, std::optional<ProjectFingerprint>>;
    runInBackground<Opened>(
        openingText(),
        [url] {
            // Taken before reading: a write in between makes a later save ask, never lose it.
            std::optional<ProjectFingerprint> fingerprint = ProjectFingerprint::read(url);
            return Opened { ProjectPackage::load(url), std::move(fingerprint) };
        },
        [this, url](std::optional<Opened> opened, const QString& error) {
            setBusy(false);
            if (!opened) {
                setErrorMessage(error);
                setStatusMessage(openFailedText());
                emit projectOpenFailed(url);
                return;
            }
            replaceBoard(opened->first, url);
            m_knownPackage.reset();
            if (opened->second) {
                m_knownPackage = KnownPackage { url, *opened->second };
            }
            setStatusMessage(QCoreApplication::translate("BoardStore", "Opened %1")
                                 .arg(QFileInfo(url.path()).completeBaseName()));
        });
}

bool BoardStore::saveProject(bool forceSaveAs)
{
    if (m_isBusy) {
        return false;
    }
    std::optional<QUrl> destination = forceSaveAs ? std::nullopt : m_projectURL;
    if (!destination) {
        PanelRequest request
            = projectPanel(QCoreApplication::translate("BoardStore", "Save Tesserly Project"));
        request.message = QCoreApplication::translate(
            "BoardStore", "The project includes your images, captions, and layout.");
        request.proposedName = suggestedName() + QLatin1Char('.') + ContentTypes::projectExtension;
        destination = m_platform.chooseProjectDestination(request);
        if (!destination || destination->isEmpty()) {
            return false;
        }
    }
    if (!mayReplace(*destination)) {
        return false;
    }
    // Saving blocks the GUI thread on purpose: the board cannot change while it is written.
    try {
        ProjectPackage::save(m_photos, m_settings, *destination);
    } catch (const BoardFailure& failure) {
        setErrorMessage(failure.description());
        setStatusMessage(saveFailedText());
        return false;
    } catch (const std::exception&) {
        setErrorMessage(BoardStoreJob::unexpectedFailureText());
        setStatusMessage(saveFailedText());
        return false;
    }
    setProjectURL(destination);
    m_knownPackage.reset();
    if (std::optional<ProjectFingerprint> written = ProjectFingerprint::read(*destination)) {
        m_knownPackage = KnownPackage { *destination, *written };
    }
    setHasUnsavedChanges(false);
    setStatusMessage(savedText());
    return true;
}

bool BoardStore::mayReplace(const QUrl& destination)
{
    if (!m_knownPackage || m_knownPackage->url != destination) {
        return true;
    }
    // Nothing there any more: writing it again loses nothing.
    const std::optional<ProjectFingerprint> current = ProjectFingerprint::read(destination);
    if (!current || *current == m_knownPackage->fingerprint) {
        return true;
    }
    const QString name = QFileInfo(destination.toLocalFile()).fileName();
    const AlertRequest alert { QCoreApplication::translate("BoardStore",
                                   "\u201C%1\u201D was changed by another window or application.")
                                   .arg(name),
        QCoreApplication::translate("BoardStore",
            "Replacing it discards those changes. To keep them, cancel and save this board with Save Board "
            "As\u2026"),
        { replaceButton(), cancelButton() }, AlertIcon::question, 1 };
    return m_platform.runAlert(alert) == 0;
}

bool BoardStore::confirmDiscardChanges()
{
    if (m_isBusy) {
        return false;
    }
    if (!m_hasUnsavedChanges) {
        return true;
    }
    const AlertRequest alert { QCoreApplication::translate("BoardStore", "Save changes to this board?"),
        QCoreApplication::translate(
            "BoardStore", "Save a Tesserly project to keep your images, order, captions, and layout."),
        { saveButton(), discardButton(), cancelButton() }, AlertIcon::question };
    const std::optional<qsizetype> choice = m_platform.runAlert(alert);
    if (choice == 0) {
        return saveProject(false);
    }
    return choice == 1;
}
