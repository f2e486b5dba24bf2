#pragma once

#include "model/BoardPhoto.h"
#include "model/BoardSettings.h"
#include "model/ImageImportResult.h"
#include "model/LoadedBoard.h"
#include "store/DropItem.h"
#include "store/ProjectFingerprint.h"

#include <functional>
#include <optional>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QUuid>

class BoardLayout;
class BoardPlatform;

// The one object that owns the board while the application runs. Every view reads it and every
// change goes through it; all of it lives on the GUI thread. Long work (import, drop, paste,
// open, export, copy) runs on a worker thread with copies and is applied back here; while it
// runs isBusy() is true and editing does nothing.
class BoardStore : public QObject
{
    Q_OBJECT

public:
    static constexpr qsizetype historyLimit = 30;
    // What updateCaption keeps of a typed caption.
    static constexpr qsizetype maximumTypedCaptionCharacters = 240;
    static constexpr qsizetype maximumSuggestedNameCharacters = 100;
    static constexpr qsizetype shownRejectionLines = 5;

    // The platform is not owned and must outlive the store.
    explicit BoardStore(BoardPlatform& platform, QObject* parent = nullptr);
    ~BoardStore() override;

    // Observable state; each assignment emits its signal and changed(), equal value or not.
    const QList<BoardPhoto>& photos() const { return m_photos; }
    const BoardSettings& settings() const { return m_settings; }
    // Records an undo snapshot and marks the board edited when the value differs.
    void setSettings(const BoardSettings& settings);
    const std::optional<QUuid>& selectedPhotoID() const { return m_selectedPhotoID; }
    void setSelectedPhotoID(const std::optional<QUuid>& id);
    const std::optional<QUuid>& draggingPhotoID() const { return m_draggingPhotoID; }
    void setDraggingPhotoID(const std::optional<QUuid>& id);
    bool isBusy() const { return m_isBusy; }
    const QString& statusMessage() const { return m_statusMessage; }
    // The window shows it in an alert and clears it (std::nullopt) when the alert closes.
    const std::optional<QString>& errorMessage() const { return m_errorMessage; }
    void setErrorMessage(const std::optional<QString>& message);
    bool hasUnsavedChanges() const { return m_hasUnsavedChanges; }
    const std::optional<QUrl>& projectURL() const { return m_projectURL; }
    bool canUndo() const { return m_canUndo; }
    bool canRedo() const { return m_canRedo; }

    // Derived values, computed on each read.
    std::optional<BoardPhoto> selectedPhoto() const;
    // Photos to export, nothing running, and a board within the export limits.
    bool canExport() const;
    // "Untitled Board" or the project's name, followed by " · Edited" while unsaved.
    QString windowSubtitle() const;
    // The default file name (without extension) proposed by the save and export panels.
    QString suggestedName() const;
    // The geometry every view and the export share.
    BoardLayout layout() const;

    // Editing; each does nothing while busy or when the identifier is not on the board.
    void updateCaption(const QString& caption, const QUuid& id);
    void movePhoto(const QUuid& id, qsizetype offset);
    void removePhoto(const QUuid& id);
    void removeSelectedPhoto();
    void undo();
    void redo();
    void resetLayout();
    // The user agreed to discard the board when closing or quitting.
    void acceptWindowClose();

    // Records an undo snapshot of the board as it is now, with the given settings in place of
    // the current ones when present.
    void remember(const std::optional<BoardSettings>& settings = std::nullopt);
    // Installs a whole board (normalized settings, first photo selected, histories emptied,
    // nothing unsaved); messages are left to the caller.
    void replaceBoard(const LoadedBoard& board, const std::optional<QUrl>& url);

    // Import, drop and paste.
    void addImages();
    void importURLs(const QList<QUrl>& urls);
    // True when the drop was taken (an import started).
    bool handleDrop(const QList<DropItem>& items);
    void pasteImages();

    // Projects, export and clipboard.
    void newBoard();
    void openProject();
    void openProject(const QUrl& url);
    // True when the board was written.
    bool saveProject(bool forceSaveAs);
    void exportPNG();
    void exportPDF();
    void copyPNG();
    // Prints the board on one page through the desktop's print dialog; enabled as export is.
    void printBoard();
    // True when the current board may be replaced or closed; asks when there are unsaved changes.
    bool confirmDiscardChanges();

signals:
    void photosChanged();
    void settingsChanged();
    void selectedPhotoIDChanged();
    void draggingPhotoIDChanged();
    void isBusyChanged(bool busy);
    void statusMessageChanged();
    void errorMessageChanged();
    void hasUnsavedChangesChanged();
    void projectURLChanged();
    void canUndoChanged();
    void canRedoChanged();
    // After any of the above.
    void changed();
    // A project could not be opened from this address.
    void projectOpenFailed(const QUrl& url);

private:
    struct Snapshot
    {
        QList<BoardPhoto> photos;
        BoardSettings settings;
        std::optional<QUuid> selectedID;
    };

    Snapshot currentSnapshot() const;
    void restore(const Snapshot& snapshot);
    void updateHistoryFlags();
    std::optional<qsizetype> indexOfPhoto(const QUuid& id) const;

    void setPhotos(const QList<BoardPhoto>& photos);
    void setBusy(bool busy);
    void setStatusMessage(const QString& message);
    void setHasUnsavedChanges(bool unsaved);
    void setProjectURL(const std::optional<QUrl>& url);

    // False when the package at destination was changed by someone else since this store
    // opened or saved it and the user did not agree to replace it.
    bool mayReplace(const QUrl& destination);

    void finishImport(const ImageImportResult& result);
    void exportBoard(bool asPDF);

    // The one shape of every long flow: mark busy with a status, run the job on a worker with
    // the copies it captured, then apply its outcome here. Busy is cleared on every path.
    template <typename Result>
    void runInBackground(const QString& busyStatus, std::function<Result()> job,
        std::function<void(std::optional<Result>, const QString& error)> apply);

    BoardPlatform& m_platform;

    QList<BoardPhoto> m_photos;
    BoardSettings m_settings;
    std::optional<QUuid> m_selectedPhotoID;
    std::optional<QUuid> m_draggingPhotoID;
    bool m_isBusy = false;
    QString m_statusMessage;
    std::optional<QString> m_errorMessage;
    bool m_hasUnsavedChanges = false;
    std::optional<QUrl> m_projectURL;
    bool m_canUndo = false;
    bool m_canRedo = false;

    // The package as this store last read or wrote it.
    struct KnownPackage
    {
        QUrl url;
        ProjectFingerprint fingerprint;
    };
    std::optional<KnownPackage> m_knownPackage;

    QList<Snapshot> m_undoHistory;
    QList<Snapshot> m_redoHistory;
    bool m_restoring = false;
};
