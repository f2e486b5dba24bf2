#include "store/BoardStore.h"

#include "model/GraphemeText.h"
#include "render/BoardLayout.h"

#include <algorithm>
#include <QCoreApplication>
#include <QFileInfo>

namespace {
QString readyText()
{
    return QCoreApplication::translate("BoardStore", "Ready");
}
QString untitledBoardText()
{
    return QCoreApplication::translate("BoardStore", "Untitled Board");
}
QString editedSuffix()
{
    return QCoreApplication::translate("BoardStore", " \u00b7 Edited");
}
const QString defaultSuggestedName = QStringLiteral("Tesserly");
QString undidText()
{
    return QCoreApplication::translate("BoardStore", "Undid last change");
}
QString redidText()
{
    return QCoreApplication::translate("BoardStore", "Redid last change");
}
QString imageRemovedText()
{
    return QCoreApplication::translate("BoardStore", "Image removed from board");
}
QString layoutResetText()
{
    return QCoreApplication::translate("BoardStore", "Layout reset");
}

// The last path component without its extension: "Trip.tesserly" names the board "Trip".
QString baseName(const QUrl& url)
{
    return QFileInfo(url.path()).completeBaseName();
}
} // namespace

BoardStore::BoardStore(BoardPlatform& platform, QObject* parent)
    : QObject(parent)
    , m_platform(platform)
    , m_statusMessage(readyText())
{ }

BoardStore::~BoardStore() = default;

void BoardStore::setSettings(const BoardSettings& settings)
{
    const BoardSettings old = m_settings;
    m_settings = settings;
    emit settingsChanged();
    emit changed();
    if (!m_restoring && m_settings != old) {
        remember(old);
        setHasUnsavedChanges(true);
    }
}

void BoardStore::setSelectedPhotoID(const std::optional<QUuid>& id)
{
    m_selectedPhotoID = id;
    emit selectedPhotoIDChanged();
    emit changed();
}

void BoardStore::setDraggingPhotoID(const std::optional<QUuid>& id)
{
    m_draggingPhotoID = id;
    emit draggingPhotoIDChanged();
    emit changed();
}

void BoardStore::setErrorMessage(const std::optional<QString>& message)
{
    m_errorMessage = message;
    emit errorMessageChanged();
    emit changed();
}

void BoardStore::setPhotos(const QList<BoardPhoto>& photos)
{
    m_photos = photos;
    emit photosChanged();
    emit changed();
}

void BoardStore::setBusy(bool busy)
{
    m_isBusy = busy;
    emit isBusyChanged(busy);
    emit changed();
}

void BoardStore::setStatusMessage(const QString& message)
{
    m_statusMessage = message;
    emit statusMessageChanged();
    emit changed();
}

void BoardStore::setHasUnsavedChanges(bool unsaved)
{
    m_hasUnsavedChanges = unsaved;
    emit hasUnsavedChangesChanged();
    emit changed();
}

void BoardStore::setProjectURL(const std::optional<QUrl>& url)
{
    m_projectURL = url;
    emit projectURLChanged();
    emit changed();
}

std::optional<BoardPhoto> BoardStore::selectedPhoto() const
{
    if (!m_selectedPhotoID) {
        return std::nullopt;
    }
    const std::optional<qsizetype> index = indexOfPhoto(*m_selectedPhotoID);
    return index ? std::optional<BoardPhoto>(m_photos.at(*index)) : std::nullopt;
}

bool BoardStore::canExport() const
{
    return !m_photos.isEmpty() && !m_isBusy && !layout().tooLargeToExport();
}

QString BoardStore::windowSubtitle() const
{
    const QString name = m_projectURL ? baseName(*m_projectURL) : untitledBoardText();
    return m_hasUnsavedChanges ? name + editedSuffix() : name;
}

QString BoardStore::suggestedName() const
{
    QString name = m_settings.title.trimmed();
    if (name.isEmpty()) {
        name = m_projectURL ? baseName(*m_projectURL) : defaultSuggestedName;
    }
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    name.replace(QLatin1Char(':'), QLatin1Char('-'));
    return GraphemeText::prefix(name, maximumSuggestedNameCharacters);
}

BoardLayout BoardStore::layout() const
{
    return BoardLayout(m_photos.size(), m_settings);
}

std::optional<qsizetype> BoardStore::indexOfPhoto(const QUuid& id) const
{
    const auto found = std::find_if(
        m_photos.cbegin(), m_photos.cend(), [&](const BoardPhoto& photo) { return photo.id() == id; });
    if (found == m_photos.cend()) {
        return std::nullopt;
    }
    return qsizetype(found - m_photos.cbegin());
}

BoardStore::Snapshot BoardStore::currentSnapshot() const
{
    return Snapshot { m_photos, m_settings, m_selectedPhotoID };
}

void BoardStore::updateHistoryFlags()
{
    m_canUndo = !m_undoHistory.isEmpty();
    emit canUndoChanged();
    m_canRedo = !m_redoHistory.isEmpty();
    emit canRedoChanged();
    emit changed();
}

void BoardStore::remember(const std::optional<BoardSettings>& settings)
{
    if (m_restoring) {
        return;
    }
    Snapshot snapshot = currentSnapshot();
    if (settings) {
        snapshot.settings = *settings;
    }
    if (m_undoHistory.size() >= historyLimit) {
        m_undoHistory.remove(0, m_undoHistory.size() - historyLimit + 1);
    }
    m_undoHistory.append(std::move(snapshot));
    m_redoHistory.clear();
    updateHistoryFlags();
}

void BoardStore::restore(const Snapshot& snapshot)
{
    m_restoring = true;
    setPhotos(snapshot.photos);
    setSettings(snapshot.settings);
    setSelectedPhotoID(snapshot.selectedID);
    m_restoring = false;
    setHasUnsavedChanges(true);
    updateHistoryFlags();
}

void BoardStore::undo()
{
    if (m_isBusy || m_undoHistory.isEmpty()) {
        return;
    }
    const Snapshot snapshot = m_undoHistory.takeLast();
    m_redoHistory.append(currentSnapshot());
    restore(snapshot);
    setStatusMessage(undidText());
}

void BoardStore::redo()
{
    if (m_isBusy || m_redoHistory.isEmpty()) {
        return;
    }
    const Snapshot snapshot = m_redoHistory.takeLast();
    m_undoHistory.append(currentSnapshot());
    restore(snapshot);
    setStatusMessage(redidText());
}

void BoardStore::updateCaption(const QString& caption, const QUuid& id)
{
    if (m_isBusy) {
        return;
    }
    const std::optional<qsizetype> index = indexOfPhoto(id);
    if (!index) {
        return;
    }
    const QString cut = GraphemeText::prefix(caption, maximumTypedCaptionCharacters);
    if (cut == m_photos.at(*index).caption()) {
        return;
    }
    remember();
    QList<BoardPhoto> photos = m_photos;
    photos[*index].setCaption(cut);
    setPhotos(photos);
    setHasUnsavedChanges(true);
}

void BoardStore::movePhoto(const QUuid& id, qsizetype offset)
{
    if (m_isBusy) {
        return;
    }
    const std::optional<qsizetype> index = indexOfPhoto(id);
    if (!index) {
        return;
    }
    // Offsets near the qsizetype range must not overflow before clamping.
    const qsizetype last = m_photos.size() - 1;
    const qsizetype target = offset >= 0 ? (offset > last - *index ? last : *index + offset)
                                         : (offset < -*index ? 0 : *index + offset);
    if (target == *index) {
        return;
    }
    remember();
    QList<BoardPhoto> photos = m_photos;
    photos.move(*index, target);
    setPhotos(photos);
    setHasUnsavedChanges(true);
}

void BoardStore::removePhoto(const QUuid& id)
{
    if (m_isBusy) {
        return;
    }
    const std::optional<qsizetype> index = indexOfPhoto(id);
    if (!index) {
        return;
    }
    remember();
    QList<BoardPhoto> photos = m_photos;
    photos.removeAt(*index);
    setPhotos(photos);
    if (m_selectedPhotoID == id) {
        if (photos.isEmpty()) {
            setSelectedPhotoID(std::nullopt);
        } else {
            setSelectedPhotoID(photos.at(std::min(*index, photos.size() - 1)).id());
        }
    }
    setHasUnsavedChanges(true);
    setStatusMessage(imageRemovedText());
}

void BoardStore::removeSelectedPhoto()
{
    if (m_selectedPhotoID) {
        removePhoto(*m_selectedPhotoID);
    }
}

void BoardStore::resetLayout()
{
    if (m_isBusy) {
        return;
    }
    setSettings(BoardSettings());
    setStatusMessage(layoutResetText());
}

void BoardStore::acceptWindowClose()
{
    setHasUnsavedChanges(false);
}

void BoardStore::replaceBoard(const LoadedBoard& board, const std::optional<QUrl>& url)
{
    m_restoring = true;
    setPhotos(board.photos);
    setSettings(board.settings.normalized());
    setSelectedPhotoID(
        board.photos.isEmpty() ? std::nullopt : std::optional<QUuid>(board.photos.first().id()));
    setDraggingPhotoID(std::nullopt);
    setProjectURL(url);
    m_undoHistory.clear();
    m_redoHistory.clear();
    m_restoring = false;
    setHasUnsavedChanges(false);
    updateHistoryFlags();
}
