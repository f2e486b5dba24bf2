#include "PackageRecipe.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr unsigned char kindMask = 0x03;
constexpr unsigned char upperCaseBit = 0x04;
constexpr int identifierShift = 3;

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        file.write(bytes);
    }
}

void makeLink(const QString& target, const QString& path)
{
    // A failing link is simply absent; the reader then meets a missing file.
    [[maybe_unused]] const int result
        = ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData());
}
} // namespace

PackageRecipe PackageRecipe::parse(const QByteArray& input)
{
    PackageRecipe recipe;
    if (input.isEmpty()) {
        return recipe;
    }
    recipe.flags = static_cast<unsigned char>(input[0]);
    const QByteArray body = input.mid(1);
    const QByteArray marker(separator.data(), separator.size());
    qsizetype start = 0;
    qsizetype next = body.indexOf(marker, start);
    recipe.manifest = body.mid(start, next < 0 ? -1 : next - start);
    while (next >= 0 && recipe.entries.size() < maximumEntries) {
        start = next + marker.size();
        next = body.indexOf(marker, start);
        const QByteArray part = body.mid(start, next < 0 ? -1 : next - start);
        Entry entry;
        if (!part.isEmpty()) {
            const auto control = static_cast<unsigned char>(part[0]);
            entry.kind = static_cast<EntryKind>(control & kindMask);
            entry.upperCaseName = (control & upperCaseBit) != 0;
            entry.identifierIndex = control >> identifierShift;
            entry.bytes = part.mid(1);
        }
        recipe.entries.append(entry);
    }
    return recipe;
}

QByteArray PackageRecipe::serialize() const
{
    QByteArray output;
    output.append(char(flags));
    output.append(manifest);
    for (const Entry& entry : entries) {
        output.append(separator.data(), separator.size());
        const auto control = static_cast<unsigned char>(static_cast<unsigned char>(entry.kind)
            | (entry.upperCaseName ? upperCaseBit : 0) | (entry.identifierIndex << identifierShift));
        output.append(char(control));
        output.append(entry.bytes);
    }
    return output;
}

QStringList PackageRecipe::identifiers() const
{
    static const QRegularExpression pattern(
        QStringLiteral("[0-9A-Fa-f]{8}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{12}"));
    QStringList found;
    auto matches = pattern.globalMatch(QString::fromUtf8(manifest));
    while (matches.hasNext() && found.size() < 64) {
        found.append(matches.next().captured());
    }
    return found;
}

QString PackageRecipe::materialize(const QString& workFolder) const
{
    // Real targets outside the package for the links to point at.
    const QString outside = workFolder + QStringLiteral("/outside");
    QDir().mkdir(outside);
    const QString realPackage = workFolder + QStringLiteral("/real.tesserly");
    const QString package
        = (flags & packageIsLink) ? workFolder + QStringLiteral("/link.tesserly") : realPackage;
    QDir().mkdir(realPackage);
    if (flags & packageIsLink) {
        makeLink(realPackage, package);
    }

    const QString manifestPath = realPackage + QStringLiteral("/manifest.json");
    if (flags & manifestIsFolder) {
        QDir().mkdir(manifestPath);
    } else if (flags & manifestIsLink) {
        writeFile(outside + QStringLiteral("/manifest.json"), manifest);
        makeLink(outside + QStringLiteral("/manifest.json"), manifestPath);
    } else {
        writeFile(manifestPath, manifest);
    }

    const QString realImages = (flags & imagesFolderIsLink) ? outside + QStringLiteral("/Images")
                                                            : realPackage + QStringLiteral("/Images");
    if (!(flags & imagesFolderMissing)) {
        QDir().mkdir(realImages);
        if (flags & imagesFolderIsLink) {
            makeLink(realImages, realPackage + QStringLiteral("/Images"));
        }
    }
    if (flags & extraEntryInImages) {
        writeFile(realImages + QStringLiteral("/stray.txt"), QByteArrayLiteral("not an image"));
    }

    const QStringList ids = identifiers();
    for (qsizetype index = 0; index < entries.size(); ++index) {
        const Entry& entry = entries[index];
        QString id = ids.isEmpty()
            ? QStringLiteral("00000000-0000-0000-0000-%1").arg(index, 12, 10, QLatin1Char('0'))
            : ids[entry.identifierIndex % ids.size()];
        id = entry.upperCaseName ? id.toUpper() : id.toLower();
        const QString path = realImages + QLatin1Char('/') + id + QStringLiteral(".image");
        switch (entry.kind) {
        case EntryKind::regularFile:
            writeFile(path, entry.bytes);
            break;
        case EntryKind::symbolicLink: {
            const QString target = outside + QStringLiteral("/image%1").arg(index);
            writeFile(target, entry.bytes);
            makeLink(target, path);
            break;
        }
        case EntryKind::folder:
            QDir().mkdir(path);
            break;
        case EntryKind::namedPipe:
            ::mkfifo(QFile::encodeName(path).constData(), 0600);
            break;
        }
    }
    return package;
}
