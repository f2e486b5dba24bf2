#include "support/TestImages.h"

#include "io/ProjectPackage.h"

#include <cstdio>
#include <QGuiApplication>

// Saves a large board to the destination named by its argument, over and over, alternating
// between two boards, until it is killed. It prints "saving" once the board is built, just
// before the first save, and "saved" after each one.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: project_save_child DESTINATION.tesserly\n");
        return 2;
    }
    const QUrl destination = QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1]));

    // Bytes after the end of a JPEG are ignored by decoders, so the writes are large while
    // building the board and reopening it stay cheap. The photos share one buffer.
    const QImage picture = TestImages::photograph(QSize(160, 120));
    const QByteArray bytes = TestImages::padded(TestImages::jpeg(picture), 3'000'000);
    QList<BoardPhoto> photos;
    for (int index = 0; index < 12; ++index) {
        photos.append(BoardPhoto(QUuid::createUuid(), QStringLiteral("photo%1.jpg").arg(index),
            QStringLiteral("caption %1").arg(index), bytes, picture.width(), picture.height(), QImage()));
    }
    BoardSettings first;
    first.title = QStringLiteral("new A");
    BoardSettings second;
    second.title = QStringLiteral("new B");

    std::printf("saving\n");
    std::fflush(stdout);
    for (int round = 0;; ++round) {
        if (round % 2 == 0) {
            ProjectPackage::save(photos, first, destination);
        } else {
            ProjectPackage::save(photos.mid(1), second, destination);
        }
        std::printf("saved\n");
        std::fflush(stdout);
    }
}
