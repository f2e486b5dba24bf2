#include "ProjectTesting.h"
#include "support/TestImages.h"

#include "io/BoardProjectStore.h"

#include <gtest/gtest.h>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#ifndef TESSERLY_SAVE_CHILD
#error "TESSERLY_SAVE_CHILD must name the project_save_child executable"
#endif

namespace {
// What each board that may legitimately be at the destination holds.
qsizetype expectedPhotoCount(const QString& title)
{
    if (title == QStringLiteral("old")) {
        return 3;
    }
    if (title == QStringLiteral("new A")) {
        return 16;
    }
    if (title == QStringLiteral("new B")) {
        return 15;
    }
    return -1;
}
} // namespace

TEST(ProjectCrash, AKilledSaveLeavesTheOldOrTheNewBoardWhole)
{
    QTemporaryDir folder;
    const QString destination = folder.filePath(QStringLiteral("Board.tesserly"));
    BoardSettings oldSettings;
    oldSettings.title = QStringLiteral("old");
    BoardProjectStore::save({ importedPhoto(TestImages::png(QSize(4, 4)), QStringLiteral("a.png")),
                                importedPhoto(TestImages::png(QSize(5, 4)), QStringLiteral("b.png")),
                                importedPhoto(TestImages::png(QSize(6, 4)), QStringLiteral("c.png")) },
        oldSettings, QUrl::fromLocalFile(destination));

    int killsThatLeftATemporaryFolder = 0;
    for (const int delay : { 0, 2, 7, 15, 30, 60, 110, 200, 350 }) {
        SCOPED_TRACE(delay);
        QProcess child;
        child.setProgram(QStringLiteral(TESSERLY_SAVE_CHILD));
        child.setArguments({ destination });
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start();
        ASSERT_TRUE(child.waitForStarted());
        while (!child.canReadLine()) {
            ASSERT_TRUE(child.waitForReadyRead(120'000)) << "the child never started saving";
        }
        ASSERT_EQ(child.readLine(), QByteArray("saving\n"));
        QThread::msleep(delay);
        child.kill();
        ASSERT_TRUE(child.waitForFinished(60'000));
        ASSERT_EQ(child.exitStatus(), QProcess::CrashExit);

        if (!leftoverSaveFolders(folder.path()).isEmpty()) {
            ++killsThatLeftATemporaryFolder;
        }
        LoadedBoard board;
        const QString failure
            = failureMessage([&] { board = BoardProjectStore::load(QUrl::fromLocalFile(destination)); });
        ASSERT_EQ(failure, QString());
        EXPECT_EQ(board.photos.size(), expectedPhotoCount(board.settings.title))
            << board.settings.title.toStdString();
        for (const BoardPhoto& photo : board.photos) {
            EXPECT_EQ(photo.imageData().size(),
                board.settings.title == QStringLiteral("old") ? photo.imageData().size() : 4'000'000);
        }
    }
    EXPECT_GT(killsThatLeftATemporaryFolder, 0) << "no kill landed inside a save, so nothing was tested";

    const QList<BoardPhoto> finalPhotos { importedPhoto(
        TestImages::bmp(QSize(7, 7)), QStringLiteral("final.bmp")) };
    BoardProjectStore::save(finalPhotos, BoardSettings(), QUrl::fromLocalFile(destination));
    EXPECT_TRUE(leftoverSaveFolders(folder.path()).isEmpty());
    const LoadedBoard board = BoardProjectStore::load(QUrl::fromLocalFile(destination));
    ASSERT_EQ(board.photos.size(), 1);
    EXPECT_EQ(board.photos[0].id(), finalPhotos[0].id());
}
