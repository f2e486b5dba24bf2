# Desktop integration: the launcher entry, the project package's MIME type, the icon, the
# AppStream metainfo, the manual page and the bash completion. Included by the top-level
# CMakeLists after GNUInstallDirs and after the rule that makes the manual page (TESSERLY_DOCS_DIR).
set(TESSERLY_RESOURCE_DIR ${CMAKE_CURRENT_LIST_DIR})

install(FILES ${TESSERLY_RESOURCE_DIR}/tesserly.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TESSERLY_RESOURCE_DIR}/tesserly-project.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME tesserly.xml)
install(FILES ${TESSERLY_RESOURCE_DIR}/tesserly.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${TESSERLY_RESOURCE_DIR}/tesserly.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
configure_file(${TESSERLY_RESOURCE_DIR}/com.vandrel.tesserly.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/com.vandrel.tesserly.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/com.vandrel.tesserly.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${TESSERLY_DOCS_DIR}/tesserly.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${TESSERLY_DOCS_DIR}/tesserly.bash
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME tesserly)

# Refresh the desktop's caches when installing straight into a prefix; package builds (DESTDIR)
# leave that to the package manager's triggers. The prefix is read at install time, since
# `cmake --install --prefix` may change it.
install(CODE "set(TESSERLY_DATADIR \"${CMAKE_INSTALL_DATADIR}\")")
install(CODE [[
  if("$ENV{DESTDIR}" STREQUAL "")
    find_program(TESSERLY_UPDATE_MIME update-mime-database)
    find_program(TESSERLY_UPDATE_DESKTOP update-desktop-database)
    if(TESSERLY_UPDATE_MIME)
      execute_process(COMMAND ${TESSERLY_UPDATE_MIME} "${CMAKE_INSTALL_PREFIX}/${TESSERLY_DATADIR}/mime" OUTPUT_QUIET ERROR_QUIET)
    endif()
    if(TESSERLY_UPDATE_DESKTOP)
      execute_process(COMMAND ${TESSERLY_UPDATE_DESKTOP} "${CMAKE_INSTALL_PREFIX}/${TESSERLY_DATADIR}/applications" OUTPUT_QUIET ERROR_QUIET)
    endif()
  endif()
]])
