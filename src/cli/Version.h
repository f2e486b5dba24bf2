#pragma once

// The version `tesserly --version` prints. The application's About window gets its own from the
// build; the command line library is built without that definition, so it carries the number here.
#ifdef TESSERLY_VERSION
inline constexpr char tesserlyVersion[] = TESSERLY_VERSION;
#else
inline constexpr char tesserlyVersion[] = "1.0";
#endif
