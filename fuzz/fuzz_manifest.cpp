// Manifest bytes from anywhere: the header check, the whole manifest, the settings record, and
// the layout that normalized settings give.
#include "io/ProjectManifest.h"
#include "model/BoardLimits.h"
#include "model/BoardSettings.h"
#include "render/BoardLayout.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
void exerciseSettings(const BoardSettings& decoded, qsizetype photoCount)
{
    const BoardSettings normalized = decoded.normalized();
    // Normalizing twice changes nothing, and the encoded form reads back as the same value.
    if (normalized.normalized() != normalized) {
        std::abort();
    }
    const std::optional<BoardSettings> reread = BoardSettings::fromJson(normalized.toJson());
    if (!reread || *reread != normalized) {
        std::abort();
    }
    const BoardLayout layout(photoCount, normalized);
    (void)layout;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<ProjectManifest::Header> header = ProjectManifest::decodeHeader(bytes);
    const std::optional<ProjectManifest> manifest = ProjectManifest::decode(bytes);
    if (manifest && !header) {
        std::abort();
    }
    if (manifest) {
        // What is written reads back whole.
        const std::optional<ProjectManifest> again = ProjectManifest::decode(manifest->encode());
        if (!again || again->photos.size() != manifest->photos.size()) {
            std::abort();
        }
        exerciseSettings(
            manifest->settings, std::min<qsizetype>(manifest->photos.size(), BoardLimits::maxPhotos));
    }
    // Settings on their own, as any JSON object holding them.
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    if (document.isObject()) {
        if (const std::optional<BoardSettings> settings = BoardSettings::fromJson(document.object())) {
            exerciseSettings(*settings, qsizetype(size % (BoardLimits::maxPhotos + 1)));
        }
    }
    return 0;
}
