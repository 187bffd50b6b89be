# The desktop program cross-built for 64-bit Windows against the prebuilt Qt
# for MinGW-w64 (../shared/qt6-mingw). Used by the windows-desktop preset.
#
# Qt's own toolchain file finds Qt and its host tools; ours (the compilers,
# the find roots) is chained behind it. The Qt archive is unpacked once into
# ORVANE_QT_MINGW_DIR (the preset names a folder of the build tree), never
# into the sources.
#
# CMake reads a toolchain file again for every try_compile, with only the
# variables listed in CMAKE_TRY_COMPILE_PLATFORM_VARIABLES, so ours pass on
# through the environment as well.
set(ORVANE_QT_MINGW_VERSION 6.4.2)
if(NOT ORVANE_QT_MINGW_DIR AND DEFINED ENV{ORVANE_QT_MINGW_DIR})
  set(ORVANE_QT_MINGW_DIR "$ENV{ORVANE_QT_MINGW_DIR}")
endif()
if(NOT ORVANE_QT_MINGW_ARCHIVE AND DEFINED ENV{ORVANE_QT_MINGW_ARCHIVE})
  set(ORVANE_QT_MINGW_ARCHIVE "$ENV{ORVANE_QT_MINGW_ARCHIVE}")
endif()
if(NOT ORVANE_QT_MINGW_DIR)
  set(ORVANE_QT_MINGW_DIR "${CMAKE_BINARY_DIR}/qt6-mingw-${ORVANE_QT_MINGW_VERSION}")
endif()
if(NOT ORVANE_QT_MINGW_ARCHIVE)
  get_filename_component(ORVANE_QT_MINGW_ARCHIVE
    "${CMAKE_CURRENT_LIST_DIR}/../../shared/qt6-mingw/qt6-mingw-${ORVANE_QT_MINGW_VERSION}.tar.xz" ABSOLUTE)
endif()
set(ENV{ORVANE_QT_MINGW_DIR} "${ORVANE_QT_MINGW_DIR}")
set(ENV{ORVANE_QT_MINGW_ARCHIVE} "${ORVANE_QT_MINGW_ARCHIVE}")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ORVANE_QT_MINGW_DIR ORVANE_QT_MINGW_ARCHIVE)

set(_orvane_qt_toolchain "${ORVANE_QT_MINGW_DIR}/lib/cmake/Qt6/qt.toolchain.cmake")
if(NOT EXISTS "${_orvane_qt_toolchain}")
  if(NOT EXISTS "${ORVANE_QT_MINGW_ARCHIVE}")
    message(FATAL_ERROR
      "Qt ${ORVANE_QT_MINGW_VERSION} for MinGW-w64 was not found: no ${ORVANE_QT_MINGW_ARCHIVE}\n"
      "The windows-desktop build needs that archive, which the shared folder beside the "
      "clone (../shared/qt6-mingw/) holds. Copy it there, or name it with "
      "-DORVANE_QT_MINGW_ARCHIVE=FILE (or an unpacked Qt with -DORVANE_QT_MINGW_DIR=DIR). "
      "To make it from Debian 12's sources (qt6-base 6.4.2+dfsg-10, about 40 minutes on two "
      "cores), follow \"How it was built\" in that folder's README.md, which docs/windows.md "
      "repeats.")
  endif()
  message(STATUS "Unpacking ${ORVANE_QT_MINGW_ARCHIVE} into ${ORVANE_QT_MINGW_DIR}")
  file(MAKE_DIRECTORY "${ORVANE_QT_MINGW_DIR}.partial")
  file(ARCHIVE_EXTRACT INPUT "${ORVANE_QT_MINGW_ARCHIVE}" DESTINATION "${ORVANE_QT_MINGW_DIR}.partial")
  # Renamed only when complete, so an interrupted unpack is not taken for Qt.
  file(RENAME "${ORVANE_QT_MINGW_DIR}.partial" "${ORVANE_QT_MINGW_DIR}")
endif()

# The DLLs of Qt need the compiler's runtime as DLLs too; linking it in
# statically as well would give the program two C++ runtimes.
set(ORVANE_MINGW_SHARED_RUNTIME ON)
set(QT_CHAINLOAD_TOOLCHAIN_FILE "${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw64.cmake")
include("${_orvane_qt_toolchain}")

# The desktop build is long: a compiler cache, where there is one, makes the
# next build quick. An existing choice (CMAKE_CXX_COMPILER_LAUNCHER in the
# environment or the cache) is kept. Without a CCACHE_DIR of its own the cache
# lives in the build folder, which CI keeps between runs.
find_program(ORVANE_CCACHE ccache)
if(ORVANE_CCACHE AND NOT DEFINED CMAKE_CXX_COMPILER_LAUNCHER AND NOT DEFINED ENV{CMAKE_CXX_COMPILER_LAUNCHER})
  if(DEFINED ENV{CCACHE_DIR})
    set(CMAKE_CXX_COMPILER_LAUNCHER "${ORVANE_CCACHE}")
  else()
    set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env CCACHE_DIR=${CMAKE_BINARY_DIR}/ccache ${ORVANE_CCACHE})
  endif()
  set(CMAKE_C_COMPILER_LAUNCHER ${CMAKE_CXX_COMPILER_LAUNCHER})
endif()
