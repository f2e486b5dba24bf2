#include "FaultTesting.h"
#include "support/TestImages.h"

#include "io/AtomicFileWriter.h"
#include "render/BoardRenderer.h"

#include <csignal>
#include <gtest/gtest.h>
#include <poll.h>
#include <QTemporaryDir>
#include <QThread>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// Two real exports of different boards, large enough that writing one takes a while.
QList<QByteArray> twoExports()
{
    QList<BoardPhoto> photos;
    for (quint32 index = 0; index < 6; ++index) {
        photos.append(paddedPhoto(QStringLiteral("photo%1.jpg").arg(index), 0, index + 11));
    }
    BoardSettings settings;
    settings.outputWidth = 4000;
    const QByteArray png = BoardRenderer::pngData(photos, settings);
    settings.background = BoardBackground::dark;
    settings.columns = 2;
    return { png, BoardRenderer::pngData(photos, settings) };
}

// Forks a child that exports the two files to `destination` in turn, without end; returns once
// the child has begun its first write. Only the export writer runs in the child.
pid_t startExportingChild(const QString& destination, const QList<QByteArray>& exports)
{
    int started[2];
    EXPECT_EQ(::pipe(started), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(started[0]);
        const char signal = 's';
        [[maybe_unused]] const ssize_t written = ::write(started[1], &signal, 1);
        for (int round = 0;; ++round) {
            try {
                AtomicFileWriter::write(destination, exports[round % 2]);
            } catch (...) {
                ::_exit(3);
            }
        }
    }
    ::close(started[1]);
    pollfd source { started[0], POLLIN, 0 };
    EXPECT_EQ(::poll(&source, 1, 60'000), 1) << "the child never started exporting";
    ::close(started[0]);
    return child;
}
} // namespace

TEST(KilledDuringExport, TheDestinationHoldsTheOldOrANewFileWhole)
{
    const QList<QByteArray> exports = twoExports();
    ASSERT_NE(exports[0], exports[1]);
    ASSERT_GT(exports[0].size(), 200'000);

    QTemporaryDir folder;
    const QByteArray oldExport = exports[1].left(1000) + QByteArray("an older export");
    const QString destination = TestImages::writeFile(folder, QStringLiteral("Board.png"), oldExport);

    int killsDuringAWrite = 0;
    for (const int delay : { 0, 1, 2, 4, 8, 15, 30, 60, 120, 250 }) {
        SCOPED_TRACE(delay);
        const pid_t child = startExportingChild(destination, exports);
        ASSERT_GT(child, 0);
        QThread::msleep(delay);
        ASSERT_EQ(::kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child stopped on its own: " << status;

        const QByteArray found = FileTesting::fileBytes(destination);
        EXPECT_TRUE(found == oldExport || found == exports[0] || found == exports[1])
            << "the destination holds " << found.size() << " bytes of neither file";

        // A kill inside a write leaves its temporary file, hidden so that a file manager never
        // offers it as an export; it is removed for the next round.
        for (const QString& name : FileTesting::folderEntries(folder.path())) {
            if (name != QStringLiteral("Board.png")) {
                ++killsDuringAWrite;
                EXPECT_TRUE(name.startsWith(QLatin1Char('.')) && name.endsWith(QStringLiteral(".tmp")))
                    << name.toStdString();
                QFile::remove(folder.filePath(name));
            }
        }
    }
    EXPECT_GT(killsDuringAWrite, 0) << "no kill landed inside a write, so nothing was tested";
}
