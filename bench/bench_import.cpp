// Import benchmark. Each measurement runs in its own process so that its peak memory is its own:
//   bench_import                 makes the cached photos if needed, then runs every mode below
//   bench_import make            only makes ~/.cache/tesserly-bench/ (see BenchPhotos.h)
//   bench_import batch           imports the 60 photos through ImageImportService::load(urls)
//   bench_import batch-p3        the same photos tagged Display P3, so each is converted to sRGB
//   bench_import decode          decodes the 60 photos (in memory) to 400 and 1024 pixels
//   bench_import large-png       imports the 10000 × 10000 PNG
// Each mode prints one line: <mode> key=value ...
// Targets: batch under 60 ms per image and peak under 300 MB; large-png peak under 200 MB.
#include "BenchPhotos.h"
#include "OffscreenDefault.h"
#include "ProcessUsage.h"

#include "io/ImageDecoder.h"
#include "io/ImageImportService.h"

#include <cstdio>
#include <lcms2.h>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QUrl>

namespace {

QList<QUrl> photoUrls()
{
    QList<QUrl> urls;
    for (int index = 1; index <= BenchPhotos::photoCount; ++index) {
        urls.append(QUrl::fromLocalFile(BenchPhotos::photoPath(index)));
    }
    return urls;
}

// A Display P3 profile as phones embed it: P3 primaries with sRGB's white point and curve.
QByteArray displayP3Profile()
{
    const cmsCIExyY d65 { 0.3127, 0.3290, 1.0 };
    const cmsCIExyYTRIPLE primaries { { 0.680, 0.320, 1.0 }, { 0.265, 0.690, 1.0 }, { 0.150, 0.060, 1.0 } };
    const cmsFloat64Number srgbCurve[5] = { 2.4, 1.0 / 1.055, 0.055 / 1.055, 1.0 / 12.92, 0.04045 };
    cmsToneCurve* curve = cmsBuildParametricToneCurve(nullptr, 4, srgbCurve);
    cmsToneCurve* curves[3] = { curve, curve, curve };
    cmsHPROFILE profile = cmsCreateRGBProfile(&d65, &primaries, curves);
    cmsUInt32Number size = 0;
    cmsSaveProfileToMem(profile, nullptr, &size);
    QByteArray bytes(qsizetype(size), '\0');
    cmsSaveProfileToMem(profile, bytes.data(), &size);
    cmsCloseProfile(profile);
    cmsFreeToneCurve(curve);
    return bytes;
}

// Copies of the photos with the profile in an APP2 segment right after the start marker; the
// coded pixels are the same bytes.
QList<QUrl> displayP3PhotoUrls()
{
    const QDir folder(QDir(BenchPhotos::folder()).filePath(QStringLiteral("display-p3")));
    QDir().mkpath(folder.path());
    const QByteArray profile = displayP3Profile();
    QByteArray segment = QByteArray::fromHex("ffe2");
    const int length = 2 + 12 + 2 + int(profile.size());
    segment.append(char(length >> 8)).append(char(length & 0xff));
    segment.append(QByteArray("ICC_PROFILE\0", 12)).append(char(1)).append(char(1)).append(profile);
    QList<QUrl> urls;
    for (const QUrl& original : photoUrls()) {
        const QString path = folder.filePath(original.fileName());
        QFile tagged(path);
        if (!tagged.exists()) {
            QFile source(original.toLocalFile());
            if (!source.open(QIODevice::ReadOnly) || !tagged.open(QIODevice::WriteOnly)) {
                return {};
            }
            QByteArray bytes = source.readAll();
            tagged.write(bytes.insert(2, segment));
        }
        urls.append(QUrl::fromLocalFile(path));
    }
    return urls;
}

int batch(const char* mode, const QList<QUrl>& urls)
{
    QElapsedTimer timer;
    timer.start();
    const double cpuStart = ProcessUsage::cpuSeconds() * 1e3;
    const ImageImportResult result = ImageImportService::load(urls);
    const double milliseconds = double(timer.nsecsElapsed()) / 1e6;
    const double cpu = ProcessUsage::cpuSeconds() * 1e3 - cpuStart;
    qint64 bytes = 0;
    for (const BoardPhoto& photo : result.photos) {
        bytes += photo.imageData().size();
    }
    std::printf(
        "%s photos=%lld rejected=%lld ms_per_image=%.1f cpu_ms_per_image=%.1f total_s=%.2f source_mb=%.1f "
        "peak_mb=%.1f\n",
        mode, qlonglong(result.photos.size()), qlonglong(result.rejected.size()),
        milliseconds / double(urls.size()), cpu / double(urls.size()), milliseconds / 1000.0,
        double(bytes) / 1048576.0, ProcessUsage::peakMegabytes());
    for (const QString& line : result.rejected) {
        std::printf("  rejected: %s\n", qPrintable(line));
    }
    return result.photos.size() == urls.size() ? 0 : 1;
}

int decode()
{
    QList<QByteArray> photos;
    for (int index = 1; index <= BenchPhotos::photoCount; ++index) {
        QFile file(BenchPhotos::photoPath(index));
        if (!file.open(QIODevice::ReadOnly)) {
            return 2;
        }
        photos.append(file.readAll());
    }
    for (const int side : { 400, 1024 }) {
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = ProcessUsage::cpuSeconds() * 1e3;
        for (const QByteArray& bytes : photos) {
            if (ImageDecoder::decodeUpright(bytes, side).isNull()) {
                return 1;
            }
        }
        const double count = double(photos.size());
        std::printf("decode side=%d ms_per_image=%.2f cpu_ms_per_image=%.2f\n", side,
            double(timer.nsecsElapsed()) / 1e6 / count,
            (ProcessUsage::cpuSeconds() * 1e3 - cpuStart) / count);
    }
    std::printf("decode peak_mb=%.1f\n", ProcessUsage::peakMegabytes());
    return 0;
}

int largePng()
{
    QElapsedTimer timer;
    timer.start();
    const ImageImportResult result
        = ImageImportService::load(QList<QUrl> { QUrl::fromLocalFile(BenchPhotos::largePngPath()) });
    const double milliseconds = double(timer.nsecsElapsed()) / 1e6;
    if (result.photos.size() != 1) {
        std::printf("large-png refused: %s\n", qPrintable(result.rejected.value(0)));
        return 1;
    }
    std::printf("large-png size=%lldx%lld file_mb=%.1f ms=%.0f peak_mb=%.1f\n", result.photos[0].pixelWidth(),
        result.photos[0].pixelHeight(), double(result.photos[0].imageData().size()) / 1048576.0, milliseconds,
        ProcessUsage::peakMegabytes());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    useOffscreenUnlessSet();
    QGuiApplication application(argc, argv);
    const QString mode = application.arguments().value(1);
    if (mode == QLatin1String("make")) {
        return BenchPhotos::ensure() ? 0 : 2;
    }
    if (mode == QLatin1String("batch")) {
        return batch("batch", photoUrls());
    }
    if (mode == QLatin1String("batch-p3")) {
        return batch("batch-p3", displayP3PhotoUrls());
    }
    if (mode == QLatin1String("decode")) {
        return decode();
    }
    if (mode == QLatin1String("large-png")) {
        return largePng();
    }
    if (!mode.isEmpty()) {
        std::fprintf(stderr, "usage: bench_import [make|batch|batch-p3|decode|large-png]\n");
        return 2;
    }
    int status = 0;
    for (const char* step : { "make", "batch", "batch-p3", "decode", "large-png" }) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(), { QString::fromLatin1(step) });
        child.waitForFinished(-1);
        if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
            std::fprintf(stderr, "%s failed\n", step);
            status = 1;
        }
    }
    return status;
}
