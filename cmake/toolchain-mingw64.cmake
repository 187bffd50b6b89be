# Cross build for 64-bit Windows with Debian's MinGW-w64 (the POSIX-threads
# compilers), tests run under Wine. Used by the windows-cross preset.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ORVANE_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ORVANE_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORVANE_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ORVANE_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ORVANE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Optimised as the Linux build is (-O2). GCC 12 warns falsely (-Wrestrict)
# about the memcpy inlined into std::string concatenations (GCC bug 105329,
# fixed in GCC 13); the Linux build keeps the warning.
set(CMAKE_CXX_FLAGS_RELEASE_INIT "-O2 -DNDEBUG")
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")

# Everything linked in statically, so orvane.exe runs on its own without the
# compiler's DLLs beside it; the desktop build ships those DLLs for Qt anyway
# and links to them.
if(NOT ORVANE_MINGW_SHARED_RUNTIME)
  set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
endif()

# Test programs (and the build's own use of orvane.exe) run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run.sh)

# Wine sees the host's file system as drive Z:, so host paths compiled into
# the tests get that drive in front.
set(ORVANE_HOST_DRIVE "Z:")
