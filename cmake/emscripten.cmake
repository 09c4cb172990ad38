# The web build with Debian's emscripten (configured by scripts/web.sh through emcmake).
#
# The floors name the same packages as natively; here they are emscripten's built-in SDL 1.2
# (with its SDL_mixer and SDL_image, which need nothing downloaded), WebGL through its emulation
# of the fixed-function OpenGL the game draws with, and the stb decoder and writer compiled in
# (Debian's libstb has no WebAssembly build). Nothing of the host's /usr/include is on the path
# but stb, through a folder that holds only a link to it.

set(TOBRAKKA_STB_ROOT ${CMAKE_BINARY_DIR}/stb-include)
file(MAKE_DIRECTORY ${TOBRAKKA_STB_ROOT})
file(CREATE_LINK /usr/include/stb ${TOBRAKKA_STB_ROOT}/stb SYMBOLIC)

add_library(tobrakka_web_stb STATIC ${CMAKE_SOURCE_DIR}/web/stbcompiled.cpp)
target_include_directories(tobrakka_web_stb SYSTEM PUBLIC ${TOBRAKKA_STB_ROOT})
# stb's own code, not the game's: none of the project's warnings.
target_compile_options(tobrakka_web_stb PRIVATE -w)

add_library(PkgConfig::STB INTERFACE IMPORTED)
target_link_libraries(PkgConfig::STB INTERFACE tobrakka_web_stb)
add_library(PkgConfig::SDL INTERFACE IMPORTED)
add_library(PkgConfig::SDL_MIXER INTERFACE IMPORTED)
add_library(PkgConfig::X11 INTERFACE IMPORTED)
add_library(OpenGL::GL INTERFACE IMPORTED)

# Both web programs take memory as the levels need it.
set(TOBRAKKA_WEB_COMMON_LINK -sALLOW_MEMORY_GROWTH=1)

function(tobrakka_web_targets)
  # The headless driver under node: it reads the real file system (the native build's data
  # and the tests' scripts) and sees node's environment, as the native one sees its own.
  add_executable(tobrakka-sim tools/sim/simmain.cpp)
  target_link_libraries(tobrakka-sim PRIVATE tobrakka_harness tobrakka_build_options)
  target_link_options(tobrakka-sim PRIVATE ${TOBRAKKA_WEB_COMMON_LINK} -sNODERAWFS=1 -sEXIT_RUNTIME=1
    -sENVIRONMENT=node --pre-js ${CMAKE_SOURCE_DIR}/web/nodeenvironment.js)

  # The page's program: the game driven by the browser's animation frames, its data packed
  # beside it (tobrakka.data), the player's files kept in IndexedDB.
  if(NOT TOBRAKKA_WEB_DATA)
    message(FATAL_ERROR "TOBRAKKA_WEB_DATA must name the data folder of a native build")
  endif()
  add_executable(tobrakka src/main.cpp web/browserloop.cpp)
  target_link_libraries(tobrakka PRIVATE tobrakka_harness tobrakka_build_options)
  target_link_options(tobrakka PRIVATE ${TOBRAKKA_WEB_COMMON_LINK}
    -sLEGACY_GL_EMULATION=1 -sGL_UNSAFE_OPTS=0 -sMIN_WEBGL_VERSION=2 -sMAX_WEBGL_VERSION=2
    -sENVIRONMENT=web -sFORCE_FILESYSTEM=1 -lidbfs.js
    "-sEXPORTED_RUNTIME_METHODS=['FS']"
    --preload-file ${TOBRAKKA_WEB_DATA}@/game/data
    --exclude-file ${TOBRAKKA_WEB_DATA}/contact_sheet.png)
  target_include_directories(tobrakka PRIVATE ${CMAKE_SOURCE_DIR}/web)
endfunction()
