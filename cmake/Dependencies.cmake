# Third-party libraries: zlib from the mingw-w64 package, libjpeg-turbo and
# libpng built once from Debian's source packages into the build folder,
# GoogleTest from /usr/src/googletest.

set(KESTROVA_DEPS_DIR "${CMAKE_BINARY_DIR}/deps" CACHE PATH "Cache of cross-built dependencies")

if(NOT EXISTS "${KESTROVA_DEPS_DIR}/install/lib/libjpeg.a" OR NOT EXISTS "${KESTROVA_DEPS_DIR}/install/lib/libpng16.a")
  message(STATUS "Building libjpeg-turbo and libpng into ${KESTROVA_DEPS_DIR}")
  execute_process(
    COMMAND bash "${CMAKE_SOURCE_DIR}/cmake/build-deps.sh" "${KESTROVA_DEPS_DIR}" "${CMAKE_SOURCE_DIR}/cmake/mingw-i686.cmake"
    RESULT_VARIABLE deps_result)
  if(NOT deps_result EQUAL 0)
    message(FATAL_ERROR "Building the dependencies failed")
  endif()
endif()

set(deps_prefix "${KESTROVA_DEPS_DIR}/install")

add_library(kestrova_zlib STATIC IMPORTED GLOBAL)
set_target_properties(kestrova_zlib PROPERTIES
  IMPORTED_LOCATION "${CMAKE_FIND_ROOT_PATH}/lib/libz.a")

add_library(kestrova_jpeg STATIC IMPORTED GLOBAL)
set_target_properties(kestrova_jpeg PROPERTIES
  IMPORTED_LOCATION "${deps_prefix}/lib/libjpeg.a"
  INTERFACE_INCLUDE_DIRECTORIES "${deps_prefix}/include")

add_library(kestrova_png STATIC IMPORTED GLOBAL)
set_target_properties(kestrova_png PROPERTIES
  IMPORTED_LOCATION "${deps_prefix}/lib/libpng16.a"
  INTERFACE_INCLUDE_DIRECTORIES "${deps_prefix}/include"
  INTERFACE_LINK_LIBRARIES kestrova_zlib)

# GoogleTest, cross-built as part of this project.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
