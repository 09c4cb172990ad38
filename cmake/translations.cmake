# The translations: every po/LANG.po is checked (`msgfmt --check`: its header, its plural forms,
# every format's directives kept) and compiled into the game's catalogue build/data/lang/LANG.mo,
# which the game reads and from which tools/assetgen draws the glyphs and the pictures of each
# language. A .po file with a fault stops the build, naming the file and the line.
find_program(MSGFMT msgfmt REQUIRED)
file(GLOB TOBRAKKA_PO_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/po/*.po)
set(TOBRAKKA_CATALOGUES)
foreach(po ${TOBRAKKA_PO_FILES})
  get_filename_component(code ${po} NAME_WE)
  set(mo ${CMAKE_BINARY_DIR}/data/lang/${code}.mo)
  add_custom_command(OUTPUT ${mo}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/data/lang
    COMMAND ${MSGFMT} --check -o ${mo} ${po}
    DEPENDS ${po}
    COMMENT "Checking and compiling the translation ${code}"
    VERBATIM)
  list(APPEND TOBRAKKA_CATALOGUES ${mo})
endforeach()
add_custom_target(catalogues ALL DEPENDS ${TOBRAKKA_CATALOGUES})
