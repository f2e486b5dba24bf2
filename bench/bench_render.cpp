// Export benchmark: renders the 60-photo board of scripts/bench.sh as PNG or PDF and reports the
// wall time of the export call, the process's peak memory and the file size, on one line:
//   <format> seconds=<s> peak_mb=<MB> photo_mb=<MB> bytes=<n>
// One measurement per process, so that peak memory belongs to that export alone.
//
//   bench_render png|pdf OUTPUT [PHOTO_FOLDER]
//   bench_render decode [PHOTO_FOLDER]      time for decoding the 60 photos at their tile size
#include "io/ImageDecoder.h"
#include "model/BoardPhoto.h"
#include "model/BoardSettings.h"
#include "render/BoardLayout.h"
#include "render/BoardPainter.h"
#include "render/BoardRenderer.h"

#include <cstdio>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QUuid>
#include <sys/resource.h>

namespace {
BoardSettings benchSettings()
{
    BoardSettings settings;
    settings.outputWidth = 2400;
    settings.columns = 6;
    settings.cellAspect = CellAspect::landscape;
    settings.captionMode = CaptionMode::filename;
    settings.title = QStringLiteral("Benchmark board");
    return settings;
}

QList<BoardPhoto> loadPhotos(const QString& folder, qint64& totalBytes)
{
    QList<BoardPhoto> photos;
    totalBytes = 0;
    for (int index = 1; index <= 60; ++index) {
        const QString name = QStringLiteral("photo-%1.jpg").arg(index, 2, 10, QLatin1Char('0'));
        QFile file(QDir(folder).filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
            std::exit(2);
        }
        // One read of the known size, as the import's bounded reader does.
        QByteArray bytes(file.size(), Qt::Uninitialized);
        if (file.read(bytes.data(), bytes.size()) != bytes.size()) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
            std::exit(2);
        }
        const std::optional<ImageDecoder::Probe> probe = ImageDecoder::probe(bytes);
        if (!probe) {
            std::fprintf(stderr, "not an image: %s\n", qPrintable(file.fileName()));
            std::exit(2);
        }
        QSize size = probe->storedSize;
        if (probe->transposed()) {
            size.transpose();
        }
        totalBytes += bytes.size();
        photos.append(
            BoardPhoto(QUuid::createUuid(), name, QString(), bytes, size.width(), size.height(), QImage()));
    }
    return photos;
}

double peakMegabytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    const QString mode = arguments.value(1);
    const bool decodeOnly = mode == QLatin1String("decode");
    if (mode != QLatin1String("png") && mode != QLatin1String("pdf") && !decodeOnly) {
        std::fprintf(stderr, "usage: bench_render png|pdf OUTPUT [PHOTO_FOLDER] | decode [PHOTO_FOLDER]\n");
        return 2;
    }
    const QString folder
        = arguments.value(decodeOnly ? 2 : 3, QDir::home().filePath(".cache/tesserly-bench"));
    qint64 photoBytes = 0;
    const QList<BoardPhoto> photos = loadPhotos(folder, photoBytes);
    const BoardSettings settings = benchSettings();

    QElapsedTimer timer;
    timer.start();
    QByteArray output;
    if (decodeOnly) {
        const BoardLayout layout(photos.size(), settings);
        const BoardPainter painter(layout, settings);
        for (const BoardCellLayout& cell : layout.cells()) {
            const QImage image = ImageDecoder::decodeUpright(photos[cell.index].imageData(),
                BoardPainter::decodeSize(painter.drawnRect(cell, photos[cell.index])));
            if (image.isNull()) {
                return 1;
            }
        }
    } else {
        output = mode == QLatin1String("png") ? BoardRenderer::pngData(photos, settings)
                                              : BoardRenderer::pdfData(photos, settings);
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    if (!decodeOnly) {
        QFile file(arguments.value(2));
        if (!file.open(QIODevice::WriteOnly) || file.write(output) != output.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    std::printf("%s seconds=%.3f peak_mb=%.1f photo_mb=%.1f bytes=%lld\n", qPrintable(mode), seconds,
        peakMegabytes(), double(photoBytes) / 1048576.0, static_cast<long long>(output.size()));
    return 0;
}
