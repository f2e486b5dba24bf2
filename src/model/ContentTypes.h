#pragma once

#include <QLatin1StringView>

struct ContentTypes
{
    // The project package: the manifest's "format" value and the desktop's document type.
    static constexpr QLatin1StringView tesserlyProject { "com.vandrel.tesserly.project" };
    static constexpr QLatin1StringView tesserlyPhoto { "com.vandrel.tesserly.photo" };
    // The MIME forms of the two types on this desktop.
    static constexpr QLatin1StringView projectMimeType { "application/x-tesserly-project" };
    // Carries a photo identifier in a reorder drag; accepted only from this process's own widgets.
    static constexpr QLatin1StringView photoMimeType { "application/x-tesserly-photo" };
    static constexpr QLatin1StringView projectExtension { "tesserly" };
};
