# `make package`: a Debian package of the release build through CPack. Its dependencies come from
# the shared libraries the binary links (dpkg-shlibdeps), not from a list kept by hand; only what
# no library reveals is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tesserly)
set(CPACK_PACKAGE_VENDOR Vandrel)
set(CPACK_PACKAGE_CONTACT "Vandrel <hello@vandrel.app>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "contact sheets and comparison boards from images, offline")
set(CPACK_PACKAGE_DESCRIPTION
  "Tesserly turns a set of images into one finished contact sheet or comparison board: a grid\n"
  "with captions, numbers, a title and a light or dark background, exported as PNG or PDF,\n"
  "printed, or kept as an editable project. `tesserly render` makes the same boards from the\n"
  "command line.")
set(CPACK_PACKAGE_HOMEPAGE_URL https://vandrel.app)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The board's own faces are compiled in; the fallbacks for emoji and other scripts are found by
# family name at run time, so no library names them. Without them exports differ between machines.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-symbola, fonts-wqy-microhei, fonts-dejavu-core")
# Native Wayland windows (without the plugin the window runs through XWayland), and Qt's own
# texts in the standard dialogs in the desktop's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
include(CPack)
