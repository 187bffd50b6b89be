# The Windows resources of an executable: its icon, its version as the file's
# properties show it, and its manifest (embedded by the resource compiler with
# MinGW; MSVC's linker merges a manifest given as a source instead).
function(orvane_windows_resources target filename)
  set(ORVANE_ICON ${PROJECT_SOURCE_DIR}/packaging/orvane.ico)
  set(ORVANE_WINDOWS_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.0)
  set(ORVANE_WINDOWS_VERSION_COMMAS "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},0,0")
  set(ORVANE_ORIGINAL_FILENAME ${filename})
  set(ORVANE_MANIFEST ${CMAKE_BINARY_DIR}/windows/orvane.manifest)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/orvane.manifest ${ORVANE_MANIFEST} @ONLY)
  set(resources ${CMAKE_BINARY_DIR}/windows/${filename}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/orvane.rc.in ${resources} @ONLY)
  target_sources(${target} PRIVATE ${resources})
  if(MSVC)
    target_sources(${target} PRIVATE ${ORVANE_MANIFEST})
  else()
    set_source_files_properties(${resources} PROPERTIES COMPILE_DEFINITIONS ORVANE_EMBED_MANIFEST)
  endif()
endfunction()
