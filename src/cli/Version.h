#pragma once

// The version `tesserly --version` prints; the build defines it from the project's version.
inline constexpr char tesserlyVersion[] = TESSERLY_VERSION;
