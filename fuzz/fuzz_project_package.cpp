// A whole ".tesserly" folder from anywhere: manifest, image files, links, folders and pipes
// where files should be, laid out in a scratch folder and opened by the project reader.
#include "PackageRecipe.h"

#include "io/ProjectPackage.h"
#include "model/BoardFailure.h"
#include "model/BoardLimits.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <ftw.h>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QUrl>
#include <unistd.h>

namespace {
QString scratchFolder;

int removeEntry(const char* path, const struct stat*, int, struct FTW*)
{
    return ::remove(path);
}

// Depth first and without following links, so nothing outside the scratch folder is touched.
void emptyScratchFolder()
{
    const QByteArray path = QFile::encodeName(scratchFolder + QStringLiteral("/run"));
    ::nftw(path.constData(), removeEntry, 16, FTW_DEPTH | FTW_PHYS);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Memory-backed when available: every input writes a small tree.
    const QByteArray base = QDir(QStringLiteral("/dev/shm")).exists() ? "/dev/shm" : "/tmp";
    QByteArray pattern = base + "/tesserly-fuzz-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::abort();
    }
    scratchFolder = QFile::decodeName(pattern);
    std::atexit([] {
        emptyScratchFolder();
        ::rmdir(QFile::encodeName(scratchFolder).constData());
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const PackageRecipe recipe
        = PackageRecipe::parse(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const QString work = scratchFolder + QStringLiteral("/run");
    QDir().mkdir(work);
    const QString package = recipe.materialize(work);
    try {
        const LoadedBoard board = ProjectPackage::load(QUrl::fromLocalFile(package));
        // A board that opens satisfies the same limits as one built by hand.
        if (board.photos.size() > BoardLimits::maxPhotos) {
            std::abort();
        }
        qint64 total = 0;
        for (const BoardPhoto& photo : board.photos) {
            if (photo.imageData().isEmpty() || photo.imageData().size() > BoardLimits::maxSourceFileBytes
                || photo.pixelWidth() <= 0 || photo.pixelHeight() <= 0) {
                std::abort();
            }
            total += photo.imageData().size();
        }
        if (total > BoardLimits::maxTotalSourceBytes || board.settings.normalized() != board.settings) {
            std::abort();
        }
    } catch (const BoardFailure&) { }
    emptyScratchFolder();
    return 0;
}
