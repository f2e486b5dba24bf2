#include "FaultTesting.h"

#include "io/AtomicFileWriter.h"

#include <QThread>

TEST(KilledDuringExport, TheDestinationHoldsTheOldOrANewFileWhole)
{
    // Two exports large enough that writing one takes a while.
    const QByteArray exports[] = { QByteArray(12'000'000, 'a'), QByteArray(9'000'000, 'b') };
    QTemporaryDir folder;
    const QByteArray oldExport("an older export");
    const QString destination = TestImages::writeFile(folder, "Board.png", oldExport);

    int killsDuringAWrite = 0;
    for (const int delay : { 0, 1, 2, 4, 8, 15, 30, 60, 120, 250 }) {
        SCOPED_TRACE(delay);
        FileTesting::LoopingChild child(
            [&](int round) { AtomicFileWriter::write(destination, exports[round % 2]); });
        ASSERT_TRUE(child.nextRound()) << "the child never started exporting";
        QThread::msleep(delay);
        ASSERT_TRUE(child.kill()) << "the child stopped on its own";

        const QByteArray found = FileTesting::fileBytes(destination);
        EXPECT_TRUE(found == oldExport || found == exports[0] || found == exports[1])
            << "the destination holds " << found.size() << " bytes of neither file";

        // A kill inside a write leaves its temporary file, hidden so that a file manager never
        // offers it as an export; it is removed for the next round.
        for (const QString& name : FileTesting::folderEntries(folder.path())) {
            if (name != "Board.png") {
                ++killsDuringAWrite;
                EXPECT_TRUE(name.startsWith(QLatin1Char('.')) && name.endsWith(".tmp")) << name.toStdString();
                QFile::remove(folder.filePath(name));
            }
        }
    }
    EXPECT_GT(killsDuringAWrite, 0) << "no kill landed inside a write, so nothing was tested";
}
