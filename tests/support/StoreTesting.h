#pragma once

#include "FakeBoardPlatform.h"
#include "model/LoadedBoard.h"
#include "store/BoardStore.h"

#include <gtest/gtest.h>
#include <iosfwd>
#include <QColor>
#include <QTemporaryDir>

// Helpers for store tests: waiting on the store's own busy signal, and photos to put on a board.
class StoreTesting
{
public:
    // Runs the event loop until the store reports it is idle; false when it is still busy after
    // the timeout (a hung flow).
    static bool waitUntilIdle(BoardStore& store, int timeoutMilliseconds = 120'000);

    // Photos photo-1.png... with a buffer of arbitrary bytes each and a small thumbnail, for
    // tests that never decode.
    static QList<BoardPhoto> fakePhotos(qsizetype count);

    // A real photo made by the import service from PNG bytes; renders and saves like any other.
    static BoardPhoto pngPhoto(
        const QString& fileName, QSize size = QSize(48, 32), QColor colour = Qt::darkCyan);
    static QList<BoardPhoto> pngPhotos(qsizetype count);

    // Installs a board as opening a project would: nothing unsaved, empty history.
    static void installBoard(BoardStore& store, const QList<BoardPhoto>& photos,
        const BoardSettings& settings = BoardSettings(), const std::optional<QUrl>& url = std::nullopt)
    {
        store.replaceBoard(LoadedBoard { photos, settings }, url);
    }

    // The file names of a photo list, for comparisons.
    static QStringList fileNames(const QList<BoardPhoto>& photos);
};

// A store on the scripted desktop, and a fresh folder for its files.
class StoreTest : public ::testing::Test
{
protected:
    QUrl fileUrl(const QString& name) const { return QUrl::fromLocalFile(folder.filePath(name)); }
    QTemporaryDir folder;
    FakeBoardPlatform platform;
    BoardStore store { platform };
};

// Readable texts in test failure messages (found by gtest through argument-dependent lookup).
void PrintTo(const QString& text, std::ostream* stream);
