#include "ProjectTesting.h"
#include "support/TestImages.h"

#include "io/BoardProjectStore.h"

#include <gtest/gtest.h>
#include <QElapsedTimer>
#include <QMap>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>

#ifndef TESSERLY_SAVE_CHILD
#error "TESSERLY_SAVE_CHILD must name the project_save_child executable"
#endif

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

    // Each kill lands at a fraction of one save's duration, measured on the child's first
    // save, into its second save or, for the last ones, into its first. The fractions spread the
    // kills over the phases of a save: building the tree, flushing, the swap, removing the old
    // tree. Whatever the previous kill left is what the next child's save replaces.
    struct KillMoment
    {
        bool afterFirstSave;
        double fraction;
    };
    const QList<KillMoment> killMoments { { true, 0.0 }, { true, 0.25 }, { true, 0.5 }, { true, 0.75 },
        { true, 0.9 }, { true, 0.98 }, { false, 0.5 }, { false, 0.95 } };
    qint64 saveDuration = 0;
    int killsThatLeftATemporaryFolder = 0;
    QSet<QString> titlesFound;
    // What each board that may legitimately be at the destination holds.
    const QMap<QString, qsizetype> photoCounts { { "old", 3 }, { "new A", 12 }, { "new B", 11 } };
    for (const KillMoment& moment : killMoments) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(moment.afterFirstSave).arg(moment.fraction).toStdString());
        QProcess child;
        child.setProgram(QStringLiteral(TESSERLY_SAVE_CHILD));
        child.setArguments({ destination });
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start();
        ASSERT_TRUE(child.waitForStarted());
        const auto nextLine = [&child] {
            while (!child.canReadLine()) {
                if (!child.waitForReadyRead(120'000)) {
                    return QByteArray("(no line)");
                }
            }
            return child.readLine();
        };
        ASSERT_EQ(nextLine(), QByteArray("saving\n"));
        QElapsedTimer saving;
        saving.start();
        if (moment.afterFirstSave) {
            ASSERT_EQ(nextLine(), QByteArray("saved\n"));
            saveDuration = saving.elapsed();
        }
        const auto delay = qint64(double(saveDuration) * moment.fraction);
        QThread::msleep(quint64(delay));
        child.kill();
        ASSERT_TRUE(child.waitForFinished(60'000));
        ASSERT_EQ(child.exitStatus(), QProcess::CrashExit);

        if (!leftoverSaveFolders(folder.path()).isEmpty()) {
            ++killsThatLeftATemporaryFolder;
        }
        LoadedBoard board;
        const QString failure = FileTesting::failureMessage(
            [&] { board = BoardProjectStore::load(QUrl::fromLocalFile(destination)); });
        ASSERT_EQ(failure, QString());
        const QString title = board.settings.title;
        titlesFound.insert(title);
        EXPECT_EQ(board.photos.size(), photoCounts.value(title, -1)) << title.toStdString();
        if (title != QStringLiteral("old")) {
            for (const BoardPhoto& photo : board.photos) {
                EXPECT_EQ(photo.imageData().size(), 3'000'000);
            }
        }
    }
    EXPECT_GT(killsThatLeftATemporaryFolder, 0) << "no kill landed inside a save, so nothing was tested";
    EXPECT_TRUE(
        titlesFound.contains(QStringLiteral("new A")) || titlesFound.contains(QStringLiteral("new B")))
        << "no save completed before a kill, so replacing was never interrupted";

    const QList<BoardPhoto> finalPhotos { importedPhoto(
        TestImages::bmp(QSize(7, 7)), QStringLiteral("final.bmp")) };
    BoardProjectStore::save(finalPhotos, BoardSettings(), QUrl::fromLocalFile(destination));
    EXPECT_TRUE(leftoverSaveFolders(folder.path()).isEmpty());
    const LoadedBoard board = BoardProjectStore::load(QUrl::fromLocalFile(destination));
    ASSERT_EQ(board.photos.size(), 1);
    EXPECT_EQ(board.photos[0].id(), finalPhotos[0].id());
}
