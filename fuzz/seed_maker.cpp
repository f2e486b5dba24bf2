// Writes the fuzzers' starting corpora from images and packages made here, by the same
// encoders the tests use: nothing is downloaded.
//
// usage: fuzz_seed_maker OUTPUT_FOLDER   (creates image_import/, manifest/, project_package/)
#include "PackageRecipe.h"
#include "support/TestImages.h"

#include "io/ImageImportService.h"
#include "io/ProjectPackage.h"
#include "model/BoardSettings.h"

#include <cstdio>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QUrl>

namespace {
void writeSeed(const QString& folder, const QString& name, const QByteArray& bytes)
{
    QDir().mkpath(folder);
    QFile file(folder + QLatin1Char('/') + name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Small pictures keep every execution fast; the fuzzer grows them where it pays.
QList<QPair<QString, QByteArray>> sampleImages()
{
    const QImage picture = TestImages::quadrants(QSize(12, 8));
    QList<QPair<QString, QByteArray>> images {
        { QStringLiteral("png"), TestImages::png(picture) },
        { QStringLiteral("png-alpha"),
            TestImages::png(TestImages::solid(QSize(5, 3), QColor(10, 20, 30, 90))) },
        { QStringLiteral("png-header-only"), TestImages::pngHeaderOnly(QSize(40'000, 2)) },
        { QStringLiteral("jpeg"), TestImages::jpeg(picture, 1, 60) },
        { QStringLiteral("jpeg-orientation-6"), TestImages::jpeg(picture, 6, 60) },
        { QStringLiteral("jpeg-orientation-3"), TestImages::jpeg(picture, 3, 60) },
        { QStringLiteral("tiff"), TestImages::tiff({ picture }, 1) },
        { QStringLiteral("tiff-two-pages-orientation-8"), TestImages::tiff({ picture, picture }, 8) },
        { QStringLiteral("gif"), TestImages::gif(QSize(6, 4), Qt::blue) },
        { QStringLiteral("gif-two-frames"), TestImages::gif({ picture, picture.mirrored() }) },
        { QStringLiteral("bmp"), TestImages::bmp(picture) },
        { QStringLiteral("bmp-alpha"),
            TestImages::bmp(TestImages::solid(QSize(3, 3), QColor(0, 0, 255, 128))) },
        { QStringLiteral("webp"), TestImages::webp(QSize(4, 4)) },
    };
    if (TestImages::canEncodeHeic()) {
        images.append({ QStringLiteral("heic"), TestImages::heic(picture, 1) });
        images.append({ QStringLiteral("heic-orientation-6"), TestImages::heic(picture, 6) });
        images.append({ QStringLiteral("heif"), TestImages::heif(picture) });
    }
    if (TestImages::canEncodeAvif()) {
        images.append({ QStringLiteral("avif"), TestImages::avif(QSize(8, 8)) });
    }
    return images;
}

// A saved project turned into the package fuzzer's input form.
QByteArray savedPackage(const QList<QByteArray>& images, const BoardSettings& settings, unsigned char flags,
    QByteArray* manifestOut)
{
    QList<BoardPhoto> photos;
    for (qsizetype index = 0; index < images.size(); ++index) {
        photos.append(ImageImportService::load(images[index], QStringLiteral("photo%1.png").arg(index)));
    }
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Seed.tesserly"));
    ProjectPackage::save(photos, settings, QUrl::fromLocalFile(path));
    PackageRecipe recipe;
    recipe.flags = flags;
    recipe.manifest = readAll(path + QStringLiteral("/manifest.json"));
    for (qsizetype index = 0; index < photos.size(); ++index) {
        PackageRecipe::Entry entry;
        entry.identifierIndex = int(index);
        entry.bytes = readAll(path + QStringLiteral("/Images/")
            + photos[index].id().toString(QUuid::WithoutBraces).toLower() + QStringLiteral(".image"));
        recipe.entries.append(entry);
    }
    if (manifestOut) {
        *manifestOut = recipe.manifest;
    }
    return recipe.serialize();
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seed_maker OUTPUT_FOLDER\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);

    const QList<QPair<QString, QByteArray>> images = sampleImages();
    for (const auto& [name, bytes] : images) {
        writeSeed(output + QStringLiteral("/image_import"), name, bytes);
    }

    BoardSettings titled;
    titled.title = QStringLiteral("Seed board ✓");
    titled.columns = 2;
    titled.captionMode = CaptionMode::custom;
    titled.cellAspect = CellAspect::square;
    BoardSettings extreme;
    extreme.columns = 1;
    extreme.outputWidth = 6000;
    extreme.spacing = 0;
    extreme.padding = 0;
    extreme.photoFit = PhotoFit::fill;
    extreme.background = BoardBackground::dark;

    const QByteArray png = TestImages::png(QSize(4, 3), Qt::green);
    const QByteArray jpeg = TestImages::jpeg(QSize(6, 4), 6);
    const QByteArray gif = TestImages::gif(QSize(3, 3));
    const QString packages = output + QStringLiteral("/project_package");
    const QString manifests = output + QStringLiteral("/manifest");
    QByteArray manifest;
    writeSeed(packages, QStringLiteral("empty"), savedPackage({}, BoardSettings(), 0, &manifest));
    writeSeed(manifests, QStringLiteral("empty"), manifest);
    writeSeed(packages, QStringLiteral("three"), savedPackage({ png, jpeg, gif }, titled, 0, &manifest));
    writeSeed(manifests, QStringLiteral("three"), manifest);
    writeSeed(packages, QStringLiteral("one-extreme"), savedPackage({ png }, extreme, 0, &manifest));
    writeSeed(manifests, QStringLiteral("one-extreme"), manifest);
    writeSeed(packages, QStringLiteral("images-link"),
        savedPackage({ png }, BoardSettings(), PackageRecipe::imagesFolderIsLink, nullptr));
    writeSeed(packages, QStringLiteral("package-link"),
        savedPackage({ gif }, BoardSettings(), PackageRecipe::packageIsLink, nullptr));
    writeSeed(manifests, QStringLiteral("settings-only"), QJsonDocument(titled.toJson()).toJson());
    writeSeed(manifests, QStringLiteral("version-2"),
        QByteArrayLiteral(R"({"format":"com.vandrel.tesserly.project","schemaVersion":2})"));

    // Files of the wrong kind where images belong.
    PackageRecipe odd = PackageRecipe::parse(savedPackage({ png, jpeg, gif }, titled, 0, nullptr));
    odd.entries[0].kind = PackageRecipe::EntryKind::symbolicLink;
    odd.entries[1].kind = PackageRecipe::EntryKind::namedPipe;
    odd.entries[2].upperCaseName = true;
    writeSeed(packages, QStringLiteral("odd-entries"), odd.serialize());
    return 0;
}
