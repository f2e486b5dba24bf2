// The window's own flows, timed as a user meets them: the board store's Add Images flow from the
// file list to photos with thumbnails on the board, and its PNG export to a file. Each mode runs
// in its own process so that its peak memory is its own:
//   bench_store import     adds the 60 cached photos (see BenchPhotos.h) to an empty board
//   bench_store export     adds them (not timed), then exports the board as PNG
// The board is the command line benchmark's: width 2400, 6 landscape columns, file-name captions.
// Each mode prints one line: <mode> key=value ...
#include "BenchPhotos.h"
#include "OffscreenDefault.h"
#include "ProcessUsage.h"

#include "store/BoardPlatform.h"
#include "store/BoardStore.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QUrl>

namespace {

// Answers the export panel with a fixed file; nothing else is asked for.
class BenchPlatform : public BoardPlatform
{
public:
    explicit BenchPlatform(QString destination)
        : m_destination(std::move(destination))
    { }
    QList<QUrl> chooseImageFiles(const PanelRequest&) override { return {}; }
    std::optional<QUrl> chooseProjectToOpen(const PanelRequest&) override { return std::nullopt; }
    std::optional<QUrl> chooseProjectDestination(const PanelRequest&) override { return std::nullopt; }
    std::optional<QUrl> chooseExportDestination(const PanelRequest&) override
    {
        return QUrl::fromLocalFile(m_destination);
    }
    std::optional<qsizetype> runAlert(const AlertRequest&) override { return std::nullopt; }
    QList<QUrl> clipboardFileURLs() override { return {}; }
    std::optional<QByteArray> clipboardData(const QString&) override { return std::nullopt; }
    bool copyPNGToClipboard(const QByteArray&) override { return false; }
    void revealInFileManager(const QUrl&) override { }
    std::shared_ptr<QPagedPaintDevice> choosePrinter(const QString&) override { return nullptr; }

private:
    QString m_destination;
};

void waitWhileBusy(BoardStore& store)
{
    QEventLoop loop;
    QObject::connect(&store, &BoardStore::isBusyChanged, &loop, [&loop](bool busy) {
        if (!busy) {
            loop.quit();
        }
    });
    if (store.isBusy()) {
        loop.exec();
    }
}

struct Timed
{
    double wall = 0;
    double cpu = 0;
};

Timed timed(BoardStore& store, const std::function<void()>& start)
{
    QElapsedTimer timer;
    timer.start();
    const double cpuStart = ProcessUsage::cpuSeconds();
    start();
    waitWhileBusy(store);
    return { double(timer.nsecsElapsed()) / 1e9, ProcessUsage::cpuSeconds() - cpuStart };
}

QList<QUrl> photoUrls()
{
    QList<QUrl> urls;
    for (int index = 1; index <= BenchPhotos::photoCount; ++index) {
        urls.append(QUrl::fromLocalFile(BenchPhotos::photoPath(index)));
    }
    return urls;
}

BoardSettings benchSettings()
{
    BoardSettings settings;
    settings.outputWidth = 2400;
    settings.columns = 6;
    settings.cellAspect = CellAspect::landscape;
    settings.captionMode = CaptionMode::filename;
    return settings;
}

} // namespace

int main(int argc, char** argv)
{
    useOffscreenUnlessSet();
    QGuiApplication application(argc, argv);
    const QString mode = application.arguments().value(1);
    if (mode != QLatin1String("import") && mode != QLatin1String("export")) {
        std::fprintf(stderr, "usage: bench_store import|export\n");
        return 2;
    }
    if (!BenchPhotos::ensure()) {
        return 2;
    }
    QTemporaryDir folder;
    BenchPlatform platform(folder.filePath(QStringLiteral("board.png")));
    BoardStore store(platform);
    store.setSettings(benchSettings());
    const Timed imported = timed(store, [&] { store.importURLs(photoUrls()); });
    const qsizetype withThumbnails = std::count_if(store.photos().cbegin(), store.photos().cend(),
        [](const BoardPhoto& photo) { return !photo.thumbnail().isNull(); });
    if (withThumbnails != BenchPhotos::photoCount) {
        std::fprintf(stderr, "only %lld photos with thumbnails\n", qlonglong(withThumbnails));
        return 1;
    }
    if (mode == QLatin1String("import")) {
        std::printf("import photos=%lld wall_s=%.2f cpu_s=%.2f peak_mb=%.1f\n", qlonglong(withThumbnails),
            imported.wall, imported.cpu, ProcessUsage::peakMegabytes());
        return 0;
    }
    const Timed exported = timed(store, [&] { store.exportPNG(); });
    const QFileInfo png(folder.filePath(QStringLiteral("board.png")));
    if (!png.exists()) {
        std::fprintf(stderr, "export failed: %s\n", qPrintable(store.errorMessage().value_or(QString())));
        return 1;
    }
    std::printf("export wall_s=%.2f cpu_s=%.2f png_bytes=%lld peak_mb=%.1f\n", exported.wall, exported.cpu,
        qlonglong(png.size()), ProcessUsage::peakMegabytes());
    return 0;
}
