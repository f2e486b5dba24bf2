#include "store/BoardStore.h"

// Interim: the flows arrive in the next commits.
void BoardStore::addImages() { }
void BoardStore::importURLs(const QList<QUrl>&) { }
bool BoardStore::handleDrop(const QList<DropItem>&) { return false; }
void BoardStore::pasteImages() { }
void BoardStore::newBoard() { }
void BoardStore::openProject() { }
void BoardStore::openProject(const QUrl&) { }
bool BoardStore::saveProject(bool) { return false; }
void BoardStore::exportPNG() { }
void BoardStore::exportPDF() { }
void BoardStore::copyPNG() { }
bool BoardStore::confirmDiscardChanges() { return false; }
void BoardStore::finishImport(const ImageImportResult&) { }
void BoardStore::exportBoard(bool) { }
DropItem DropItem::file(const QUrl& url) { DropItem item; item.m_isFile = true; item.m_url = url; return item; }
DropItem DropItem::imageData(const QByteArray& data, const QString& mimeType) { DropItem item; item.m_data = data; item.m_mimeType = mimeType; return item; }
QList<DropItem> DropItem::fromMimeData(const QMimeData&) { return {}; }
bool DropItem::isUsable() const { return m_isFile; }
QString DropItem::suggestedFileName() const { return {}; }
