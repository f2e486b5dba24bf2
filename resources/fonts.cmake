# The board's typeface: Debian's Inter, derived at build time into faces that draw every character
# with its own glyph (scripts/derive-fonts.py), compiled into the renderer so that the
# application, the command line and the tests all draw with the same faces.
# Included by the top-level CMakeLists after the renderer library is defined.
find_program(TESSERLY_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
find_program(TESSERLY_PYTHON python3 REQUIRED)
execute_process(COMMAND ${TESSERLY_PYTHON} -c "import fontTools" RESULT_VARIABLE TESSERLY_FONTTOOLS_MISSING
  OUTPUT_QUIET ERROR_QUIET)
if(TESSERLY_FONTTOOLS_MISSING)
  message(FATAL_ERROR "${TESSERLY_PYTHON} cannot import fontTools: install python3-fonttools (scripts/setup.sh)")
endif()
set(TESSERLY_INTER_FOLDER /usr/share/fonts/opentype/inter CACHE PATH "Folder of Inter's OpenType faces")

set(TESSERLY_FONT_FOLDER ${CMAKE_BINARY_DIR}/fonts)
set(TESSERLY_FONT_SOURCES)
set(TESSERLY_FONTS)
foreach(style Regular Medium SemiBold)
  list(APPEND TESSERLY_FONT_SOURCES ${TESSERLY_INTER_FOLDER}/Inter-${style}.otf)
  list(APPEND TESSERLY_FONTS ${TESSERLY_FONT_FOLDER}/TesserlyInter-${style}.otf)
endforeach()

add_custom_command(OUTPUT ${TESSERLY_FONTS}
  COMMAND ${TESSERLY_PYTHON} ${CMAKE_SOURCE_DIR}/scripts/derive-fonts.py ${TESSERLY_INTER_FOLDER} ${TESSERLY_FONT_FOLDER}
  DEPENDS ${CMAKE_SOURCE_DIR}/scripts/derive-fonts.py ${TESSERLY_FONT_SOURCES}
  COMMENT "Deriving the board's typeface from Inter"
  VERBATIM)
qt_add_resources(tesserly_render board_fonts PREFIX /fonts BASE ${TESSERLY_FONT_FOLDER} FILES ${TESSERLY_FONTS})
