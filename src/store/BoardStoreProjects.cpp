#include "store/BoardStore.h"

#include "io/BoardProjectStore.h"
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
    runInBackground<LoadedBoard>(
        openingText(), [url] { return BoardProjectStore::load(url); },
        [this, url](std::optional<LoadedBoard> board, const QString& error) {
            setBusy(false);
            if (!board) {
                setErrorMessage(error);
                setStatusMessage(openFailedText());
                emit projectOpenFailed(url);
                return;
            }
            replaceBoard(*board, url);
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
    // Saving blocks the GUI thread on purpose: the board cannot change while it is written.
    try {
        BoardProjectStore::save(m_photos, m_settings, *destination);
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
    setHasUnsavedChanges(false);
    setStatusMessage(savedText());
    return true;
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
        { saveButton(), discardButton(), cancelButton() } };
    const std::optional<qsizetype> choice = m_platform.runAlert(alert);
    if (choice == 0) {
        return saveProject(false);
    }
    return choice == 1;
}
