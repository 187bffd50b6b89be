# What the desktop program needs beside it on Windows when it is built with
# MinGW against Qt's DLLs: there is no windeployqt for a cross build, so the
# Qt DLLs, the plugins Qt loads from the program's folder and the compiler's
# runtime DLLs are copied here, into the build tree (so that the built
# program runs under Wine as it is) and into the installed folder.

set(ORVANE_QT_DLLS Qt6Core Qt6Gui Qt6Widgets)
# platforms/: the windows platform for the desktop and the command-line
# pictures; styles/: the native look; imageformats/: the icons.
set(ORVANE_QT_PLUGINS platforms/qwindows styles/qwindowsvistastyle imageformats/qgif imageformats/qico)

get_filename_component(ORVANE_QT_PREFIX "${Qt6_DIR}/../../.." ABSOLUTE)

# The runtime DLLs where the compiler says they are, else under the find root
# (libwinpthread lives in the MinGW sysroot, not in the compiler's folder).
set(ORVANE_MINGW_RUNTIME_DLLS)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
    unset(found)
    find_file(found_${dll} ${dll} PATH_SUFFIXES lib bin NO_CACHE)
    set(found ${found_${dll}})
  endif()
  if(NOT found)
    message(FATAL_ERROR "The MinGW runtime ${dll} was not found (Debian: g++-mingw-w64-x86-64-posix).")
  endif()
  get_filename_component(found "${found}" REALPATH)
  list(APPEND ORVANE_MINGW_RUNTIME_DLLS "${found}")
endforeach()

set(ORVANE_QT_DLL_FILES)
foreach(dll IN LISTS ORVANE_QT_DLLS)
  list(APPEND ORVANE_QT_DLL_FILES "${ORVANE_QT_PREFIX}/bin/${dll}.dll")
endforeach()

# Debian ships the runtime DLLs with their symbols (libstdc++ is 23 MB so,
# 2 MB without): the copies beside the program are stripped once.
set(ORVANE_MINGW_RUNTIME_COPIES)
foreach(dll IN LISTS ORVANE_MINGW_RUNTIME_DLLS)
  get_filename_component(name "${dll}" NAME)
  set(copy "${ORVANE_PROGRAM_DIR}/${name}")
  if(NOT EXISTS "${copy}" OR "${dll}" IS_NEWER_THAN "${copy}")
    file(COPY "${dll}" DESTINATION "${ORVANE_PROGRAM_DIR}")
    if(CMAKE_STRIP)
      execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded "${copy}" RESULT_VARIABLE stripped)
      if(NOT stripped EQUAL 0)
        message(FATAL_ERROR "${CMAKE_STRIP} could not strip ${copy}")
      endif()
    endif()
  endif()
  list(APPEND ORVANE_MINGW_RUNTIME_COPIES "${copy}")
endforeach()

file(COPY ${ORVANE_QT_DLL_FILES} DESTINATION ${ORVANE_PROGRAM_DIR})
install(FILES ${ORVANE_QT_DLL_FILES} ${ORVANE_MINGW_RUNTIME_COPIES} DESTINATION .)
foreach(plugin IN LISTS ORVANE_QT_PLUGINS)
  get_filename_component(folder ${plugin} DIRECTORY)
  set(file "${ORVANE_QT_PREFIX}/plugins/${plugin}.dll")
  file(COPY ${file} DESTINATION ${ORVANE_PROGRAM_DIR}/${folder})
  install(FILES ${file} DESTINATION ${folder})
endforeach()

# Qt's own texts in Russian (the file dialogs, the edits' menus), which the
# program loads from translations/ beside it in Russian mode.
set(ORVANE_QT_RUSSIAN "${ORVANE_QT_PREFIX}/translations/qtbase_ru.qm")
if(EXISTS "${ORVANE_QT_RUSSIAN}")
  file(COPY "${ORVANE_QT_RUSSIAN}" DESTINATION ${ORVANE_PROGRAM_DIR}/translations)
  install(FILES "${ORVANE_QT_RUSSIAN}" DESTINATION translations)
else()
  message(WARNING "${ORVANE_QT_RUSSIAN} was not found: Qt's own dialogs will be in English in Russian mode.")
endif()
