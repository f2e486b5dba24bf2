#include "io/ProjectPackage.h"

#include "io/AtomicPackageWriter.h"
#include "io/BoardProjectError.h"
#include "io/BoundedFileReader.h"
#include "io/FileDescriptor.h"
#include "io/ImageImportService.h"
#include "io/OrderedWorkPool.h"
#include "io/PosixError.h"
#include "io/ProjectManifest.h"
#include "model/BoardLimits.h"
#include "model/ContentTypes.h"
#include "model/GraphemeText.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <sys/stat.h>

namespace {
constexpr int folderFlags = O_RDONLY | O_NOFOLLOW | O_DIRECTORY | O_CLOEXEC;

// A trailing slash would make the kernel follow a final symbolic link despite O_NOFOLLOW.
QString withoutTrailingSlashes(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/'))) {
        path.chop(1);
    }
    return path;
}

[[noreturn]] void refuse(BoardProjectError::Kind kind)
{
    throw BoardProjectError(kind);
}

// A system error names the image by its path inside the package, the name a person can look for.
QByteArray readImage(const ProjectManifest::PhotoRecord& record, int imagesFolder, qint64 limit)
{
    try {
        return BoundedFileReader::read(ProjectManifest::imageName(record.id), imagesFolder, limit);
    } catch (const PosixError& error) {
        if (error.code() == ENOENT) {
            throw BoardProjectError::missingImage(ProjectManifest::imagePath(record.id));
        }
        throw PosixError(error.code(), ProjectManifest::imagePath(record.id));
    }
}
} // namespace

void ProjectPackage::validateHeader(const QByteArray& data)
{
    const std::optional<ProjectManifest::Header> header = ProjectManifest::decodeHeader(data);
    if (!header) {
        refuse(BoardProjectError::Kind::invalidManifest);
    }
    if (header->format != ContentTypes::tesserlyProject) {
        refuse(BoardProjectError::Kind::invalidProject);
    }
    if (header->schemaVersion != ProjectManifest::currentSchemaVersion) {
        throw BoardProjectError::unsupportedVersion(header->schemaVersion);
    }
}

void ProjectPackage::validateDisplayStrings(const QString& fileName, const QString& caption)
{
    const QChar nul(u'\0');
    if (fileName.isEmpty() || fileName.toUtf8().size() > maximumFileNameBytes
        || fileName.contains(QLatin1Char('/')) || fileName.contains(nul) || caption.contains(nul)
        || GraphemeText::count(caption) > maximumStoredCaptionCharacters) {
        refuse(BoardProjectError::Kind::invalidManifest);
    }
}

bool ProjectPackage::validateExistingDestination(int parentDescriptor, const QByteArray& name)
{
    struct stat attributes;
    if (fstatat(parentDescriptor, name.constData(), &attributes, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno == ENOENT) {
            return false;
        }
        throw PosixError::current(QFile::decodeName(name));
    }
    if (!S_ISDIR(attributes.st_mode)) {
        refuse(BoardProjectError::Kind::unsafeExistingDestination);
    }
    const FileDescriptor folder = FileDescriptor::openAt(parentDescriptor, name, folderFlags);
    if (!folder) {
        refuse(BoardProjectError::Kind::unsafeExistingDestination);
    }
    try {
        validateHeader(BoundedFileReader::read(
            ProjectManifest::manifestName, folder.get(), ProjectManifest::maximumManifestBytes));
    } catch (const BoardFailure&) {
        refuse(BoardProjectError::Kind::unsafeExistingDestination);
    }
    return true;
}

void ProjectPackage::save(const QList<BoardPhoto>& photos, const BoardSettings& settings, const QUrl& url)
{
    const QString path = withoutTrailingSlashes(url.toLocalFile());
    if (!url.isLocalFile() || QFileInfo(path).suffix().toLower() != ContentTypes::projectExtension) {
        refuse(BoardProjectError::Kind::invalidDestination);
    }
    if (photos.size() > BoardLimits::maxPhotos) {
        refuse(BoardProjectError::Kind::tooManyImages);
    }

    ProjectManifest manifest;
    manifest.format = ContentTypes::tesserlyProject;
    QList<AtomicPackageWriter::File> images;
    QSet<QUuid> seen;
    qint64 total = 0;
    for (const BoardPhoto& photo : photos) {
        if (seen.contains(photo.id())) {
            refuse(BoardProjectError::Kind::duplicateIdentifier);
        }
        seen.insert(photo.id());
        validateDisplayStrings(photo.fileName(), photo.caption());
        const qint64 byteCount = photo.imageData().size();
        if (byteCount < 1 || byteCount > BoardLimits::maxSourceFileBytes) {
            refuse(BoardProjectError::Kind::imageTooLarge);
        }
        if (total + byteCount > BoardLimits::maxTotalSourceBytes) {
            refuse(BoardProjectError::Kind::boardTooLarge);
        }
        total += byteCount;
        manifest.photos.append(ProjectManifest::PhotoRecord { photo.id(), photo.fileName(), photo.caption(),
            ProjectManifest::imagePath(photo.id()), byteCount });
        images.append(
            AtomicPackageWriter::File { ProjectManifest::imageName(photo.id()), photo.imageData() });
    }
    manifest.settings = settings.normalized();
    const QByteArray manifestBytes = manifest.encode();
    if (manifestBytes.size() > ProjectManifest::maximumManifestBytes) {
        refuse(BoardProjectError::Kind::manifestTooLarge);
    }

    AtomicPackageWriter writer(path);
    const bool replaceExisting
        = validateExistingDestination(writer.parentDescriptor(), writer.destinationName());
    writer.write({ AtomicPackageWriter::File { ProjectManifest::manifestName, manifestBytes } },
        ProjectManifest::imagesFolderName, images);
    writer.commit(replaceExisting, [](int parentDescriptor, const QByteArray& name) {
        if (!validateExistingDestination(parentDescriptor, name)) {
            refuse(BoardProjectError::Kind::unsafeExistingDestination);
        }
    });
}

LoadedBoard ProjectPackage::load(const QUrl& url)
{
    if (!url.isLocalFile()) {
        refuse(BoardProjectError::Kind::invalidProject);
    }
    const FileDescriptor package
        = FileDescriptor::open(QFile::encodeName(withoutTrailingSlashes(url.toLocalFile())), folderFlags);
    if (!package) {
        refuse(BoardProjectError::Kind::cannotOpenPackage);
    }
    std::optional<ProjectManifest> manifest;
    {
        const QByteArray manifestBytes = BoundedFileReader::read(
            ProjectManifest::manifestName, package.get(), ProjectManifest::maximumManifestBytes);
        validateHeader(manifestBytes);
        manifest = ProjectManifest::decode(manifestBytes);
    }
    if (!manifest) {
        refuse(BoardProjectError::Kind::invalidManifest);
    }
    if (manifest->photos.size() > BoardLimits::maxPhotos) {
        refuse(BoardProjectError::Kind::tooManyImages);
    }

    // Every name, count and size is settled before the first image is opened.
    QSet<QUuid> seen;
    qint64 declaredTotal = 0;
    for (const ProjectManifest::PhotoRecord& record : std::as_const(manifest->photos)) {
        if (seen.contains(record.id)) {
            refuse(BoardProjectError::Kind::duplicateIdentifier);
        }
        seen.insert(record.id);
        validateDisplayStrings(record.fileName, record.caption);
        if (record.imagePath != ProjectManifest::imagePath(record.id)) {
            refuse(BoardProjectError::Kind::unsafeImagePath);
        }
        if (record.byteCount < 1 || record.byteCount > BoardLimits::maxSourceFileBytes) {
            refuse(BoardProjectError::Kind::imageTooLarge);
        }
        if (declaredTotal + record.byteCount > BoardLimits::maxTotalSourceBytes) {
            refuse(BoardProjectError::Kind::boardTooLarge);
        }
        declaredTotal += record.byteCount;
    }

    const FileDescriptor imagesFolder = FileDescriptor::openAt(
        package.get(), QFile::encodeName(ProjectManifest::imagesFolderName), folderFlags);
    if (!imagesFolder) {
        refuse(BoardProjectError::Kind::missingImages);
    }
    // The images are read and decoded side by side; the first failure in board order is the one
    // raised, as when they are taken one after another.
    LoadedBoard board;
    board.photos.reserve(manifest->photos.size());
    std::vector<BoardPhoto> decoded(static_cast<std::size_t>(manifest->photos.size()));
    OrderedWorkPool pool(ImageImportService::aheadBudgetBytes);
    pool.run(
        manifest->photos.size(),
        [&](qsizetype index) {
            // Every declared size fits the board's total, so each image's limit is its own count.
            const ProjectManifest::PhotoRecord& record = manifest->photos.at(index);
            pool.reserve(index, record.byteCount);
            const QByteArray bytes = readImage(record, imagesFolder.get(), record.byteCount);
            if (bytes.size() != record.byteCount) {
                throw BoardProjectError::changedImage(record.fileName);
            }
            decoded[std::size_t(index)] = ImageImportService::load(bytes, record.fileName);
        },
        [&](qsizetype index) {
            const ProjectManifest::PhotoRecord& record = manifest->photos.at(index);
            const BoardPhoto& photo = decoded[std::size_t(index)];
            board.photos.append(BoardPhoto(record.id, record.fileName, record.caption, photo.imageData(),
                photo.pixelWidth(), photo.pixelHeight(), photo.thumbnail()));
            decoded[std::size_t(index)] = BoardPhoto();
            return true;
        });
    board.settings = manifest->settings.normalized();
    return board;
}
