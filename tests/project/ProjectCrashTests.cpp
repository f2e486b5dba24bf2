#include "ProjectTesting.h"
#include "support/TestImages.h"

#include "io/ProjectPackage.h"

#include <gtest/gtest.h>
#include <QElapsedTimer>
#include <QMap>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>

TEST(ProjectCrash, AKilledSaveLeavesTheOldOrTheNewBoardWhole)
{
    QTemporaryDir folder;
    const QUrl destination = fileUrl(folder.filePath("Board.tesserly"));
    BoardSettings oldSettings;
    oldSettings.title = "old";
    ProjectPackage::save({ importedPhoto(TestImages::png(QSize(4, 4)), "a.png"),
                             importedPhoto(TestImages::png(QSize(5, 4)), "b.png"),
                             importedPhoto(TestImages::png(QSize(6, 4)), "c.png") },
        oldSettings, destination);

    // Two large boards the child saves in turn. Bytes after the end of a JPEG are ignored by
    // decoders, so the writes are large while reopening stays cheap; the photos share one buffer.
    const QImage picture = TestImages::photograph(QSize(160, 120));
    const QByteArray bytes = TestImages::padded(TestImages::jpeg(picture), 3'000'000);
    QList<BoardPhoto> photos;
    for (int index = 0; index < 12; ++index) {
        photos.append(BoardPhoto(QUuid::createUuid(), QStringLiteral("photo%1.jpg").arg(index), QString(),
            bytes, picture.width(), picture.height(), QImage()));
    }
    BoardSettings newA;
    newA.title = "new A";
    BoardSettings newB;
    newB.title = "new B";
    const QMap<QString, qsizetype> photoCounts { { "old", 3 }, { "new A", 12 }, { "new B", 11 } };

    // Each kill lands at a fraction of one save's duration, measured on the child's first save,
    // into its second save or, for the last ones, into its first; so the kills spread over the
    // phases of a save: building the tree, flushing, the swap, removing the old tree. Whatever
    // one kill left is what the next child's save replaces.
    const std::pair<bool, double> killMoments[] = { { true, 0.0 }, { true, 0.25 }, { true, 0.5 },
        { true, 0.75 }, { true, 0.9 }, { true, 0.98 }, { false, 0.5 }, { false, 0.95 } };
    qint64 saveDuration = 0;
    int killsThatLeftATemporaryFolder = 0;
    QSet<QString> titlesFound;
    for (const auto& [afterFirstSave, fraction] : killMoments) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(afterFirstSave).arg(fraction).toStdString());
        FileTesting::LoopingChild child([&](int round) {
            round % 2 == 0 ? ProjectPackage::save(photos, newA, destination)
                           : ProjectPackage::save(photos.mid(1), newB, destination);
        });
        ASSERT_TRUE(child.nextRound());
        QElapsedTimer saving;
        saving.start();
        if (afterFirstSave) {
            ASSERT_TRUE(child.nextRound());
            saveDuration = saving.elapsed();
        }
        QThread::msleep(quint64(double(saveDuration) * fraction));
        ASSERT_TRUE(child.kill());

        killsThatLeftATemporaryFolder += leftoverSaveFolders(folder.path()).isEmpty() ? 0 : 1;
        LoadedBoard board;
        ASSERT_EQ(FileTesting::failureMessage([&] { board = ProjectPackage::load(destination); }), QString());
        titlesFound.insert(board.settings.title);
        EXPECT_EQ(board.photos.size(), photoCounts.value(board.settings.title, -1))
            << board.settings.title.toStdString();
    }
    EXPECT_GT(killsThatLeftATemporaryFolder, 0) << "no kill landed inside a save, so nothing was tested";
    EXPECT_TRUE(titlesFound.contains("new A") || titlesFound.contains("new B"))
        << "no save completed before a kill, so replacing was never interrupted";
}
