# tobrakka_floor(NAME [USES floor...] [PACKAGES target...])
#
# Makes the folder src/NAME (but for the other platform's seam, see below) into the static library tobrakka_NAME, linked to the floors below it
# that it USES (and through them to theirs) and to the outside PACKAGES it needs.
#
# The folder's headers are reached as "NAME/header.h" through an include root of its own that
# holds nothing but NAME (a link to src/NAME), and a library sees only its own root and those of
# the floors it links. So a header of a higher floor is simply not there: an include that runs up
# a floor stops the build with "No such file or directory".
function(tobrakka_floor name)
  cmake_parse_arguments(FLOOR "" "" "USES;PACKAGES" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${name}/*.cpp)
  # A floor's platform seam has one implementation for SDL 2 (in a folder sdl2/) and one for
  # the browser (browser/): each build compiles its own.
  if(EMSCRIPTEN)
    list(FILTER sources EXCLUDE REGEX "/src/${name}/.*sdl2/")
  else()
    list(FILTER sources EXCLUDE REGEX "/src/${name}/.*browser/")
  endif()
  add_library(tobrakka_${name} STATIC ${sources})
  set(root ${CMAKE_BINARY_DIR}/floors/${name})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${name} ${root}/${name} SYMBOLIC)
  target_include_directories(tobrakka_${name} PUBLIC ${root})
  list(TRANSFORM FLOOR_USES PREPEND tobrakka_)
  target_link_libraries(tobrakka_${name} PUBLIC ${FLOOR_USES} ${FLOOR_PACKAGES} PRIVATE tobrakka_build_options)
endfunction()
