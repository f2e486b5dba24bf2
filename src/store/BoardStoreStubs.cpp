#include "store/BoardStore.h"

// Interim: the flows arrive in the next commits.
void BoardStore::newBoard() { }
void BoardStore::openProject() { }
void BoardStore::openProject(const QUrl&) { }
bool BoardStore::saveProject(bool)
{
    return false;
}
void BoardStore::exportPNG() { }
void BoardStore::exportPDF() { }
void BoardStore::copyPNG() { }
bool BoardStore::confirmDiscardChanges()
{
    return false;
}
void BoardStore::exportBoard(bool) { }
