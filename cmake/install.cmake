# Installing the game the way Debian lays out games (`cmake --install build --prefix P`), and the
# Debian package (`cpack -G DEB` in the build directory), which puts the same layout under /usr:
#   P/games/tobrakka, P/games/tobrakka-sim
#   P/share/games/tobrakka/data/          levels, generated pictures and sounds, catalogues (lang/)
#   P/share/applications/tobrakka.desktop the menu entry
#   P/share/icons/hicolor/NxN/apps/       the icon drawn by assetgen
#   P/share/man/man6/                     tobrakka.6.gz, tobrakka-sim.6.gz
#   P/share/metainfo/                     AppStream metadata
#   P/share/doc/tobrakka/                 copyright, changelog.gz
# The game finds its data from its own place (<exe dir>/../share/games/tobrakka), so an install
# into any prefix runs. Tests, benchmarks and fuzzers are not installed.

set(TOBRAKKA_MAINTAINER "The Tobrakka developers <tobrakka@users.noreply.invalid>"
    CACHE STRING "Maintainer field of the Debian package")

set(TOBRAKKA_DATA_DIR share/games/tobrakka/data)
set(TOBRAKKA_DOC_DIR share/doc/tobrakka)
set(DIST_DIR ${CMAKE_SOURCE_DIR}/dist)
set(DIST_BUILD_DIR ${CMAKE_BINARY_DIR}/dist)

# Manual pages and the changelog are installed compressed, without a name or time stamp in the
# gzip header so that two builds give the same bytes.
set(TOBRAKKA_COMPRESSED_DOCS)
foreach(doc tobrakka.6 tobrakka-sim.6 changelog)
  add_custom_command(OUTPUT ${DIST_BUILD_DIR}/${doc}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${DIST_BUILD_DIR}
    COMMAND sh -c "gzip -9 -n -c '${DIST_DIR}/${doc}' > '${DIST_BUILD_DIR}/${doc}.gz'"
    DEPENDS ${DIST_DIR}/${doc}
    VERBATIM)
  list(APPEND TOBRAKKA_COMPRESSED_DOCS ${DIST_BUILD_DIR}/${doc}.gz)
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${TOBRAKKA_COMPRESSED_DOCS})

install(TARGETS tobrakka tobrakka-sim RUNTIME DESTINATION games)

install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${TOBRAKKA_DATA_DIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/data/gfx ${CMAKE_BINARY_DIR}/data/sfx ${CMAKE_BINARY_DIR}/data/lang
        DESTINATION ${TOBRAKKA_DATA_DIR})

# The menu entry starts the game by its installed path (/usr/games is not on every PATH), so it is
# written at install time, when the prefix is known (DESTDIR is where CPack gathers the package).
install(CODE "
  get_filename_component(prefix \"\${CMAKE_INSTALL_PREFIX}\" ABSOLUTE)
  set(TOBRAKKA_GAME_PATH \"\${prefix}/games/tobrakka\")
  set(desktop \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/applications/tobrakka.desktop\")
  message(STATUS \"Installing: \${desktop}\")
  configure_file(\"${DIST_DIR}/tobrakka.desktop\" \"\${desktop}\" @ONLY NO_SOURCE_PERMISSIONS)
")
install(FILES ${DIST_DIR}/tobrakka.metainfo.xml DESTINATION share/metainfo)
foreach(size 48 128 256)
  install(FILES ${CMAKE_BINARY_DIR}/icons/hicolor/${size}x${size}/apps/tobrakka.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${DIST_BUILD_DIR}/tobrakka.6.gz ${DIST_BUILD_DIR}/tobrakka-sim.6.gz DESTINATION share/man/man6)
install(FILES ${DIST_DIR}/copyright ${DIST_BUILD_DIR}/changelog.gz DESTINATION ${TOBRAKKA_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tobrakka)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arena shooter in time loops, drawn in ink on ruled paper")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Tobrakka is a single-player 2D arena shooter on a sheet of ruled paper.\n"
    "You fight robots in time loops: when you die, the level starts again with\n"
    "a new you, while every earlier attempt is replayed beside you by your past\n"
    "self, shot for shot. A robot hit by two of your selves at once blows up in\n"
    "an explosion that can chain through a crowd. Survive until the level's\n"
    "time runs out to clear it; ten levels come with the game.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TOBRAKKA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The libraries the programs link come from dpkg-shlibdeps; SDL opens the OpenGL library
# (libGL.so.1, with its GLX) itself at run time, so that one is named here.
set(CPACK_DEBIAN_PACKAGE_DEPENDS libgl1)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)

# The package test makes the .deb in this build tree. It runs alone: cpack first brings the tree
# up to date, which copies the levels again while other tests may be reading them. Sanitizer
# builds are not packaged.
if(TOBRAKKA_TESTS AND NOT TOBRAKKA_SANITIZE)
  add_test(NAME DebianPackage.LayoutDependsAndLintian
           COMMAND sh ${CMAKE_SOURCE_DIR}/tests/install/package_test.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(DebianPackage.LayoutDependsAndLintian PROPERTIES RUN_SERIAL TRUE TIMEOUT 900)
endif()
