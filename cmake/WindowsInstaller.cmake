# `cmake --build BUILD --target installer`: Orvane-VERSION-setup.exe, made with
# NSIS (makensis, Debian's nsis) from the program folder that cmake --install
# lays out, staged in the build tree.
find_program(ORVANE_MAKENSIS makensis)
set(ORVANE_INSTALLER ${CMAKE_BINARY_DIR}/Orvane-${PROJECT_VERSION}-setup.exe)
set(stage ${CMAKE_BINARY_DIR}/installer/Orvane)
set(lists ${CMAKE_BINARY_DIR}/installer/removals.nsh)
set(script ${PROJECT_SOURCE_DIR}/packaging/windows/orvane.nsi)

if(NOT ORVANE_MAKENSIS)
  add_custom_target(installer
    COMMAND ${CMAKE_COMMAND} -E echo "The installer needs NSIS's makensis (Debian: apt-get install nsis)."
    COMMAND ${CMAKE_COMMAND} -E false)
  return()
endif()

add_custom_target(installer
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
  COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${stage} --strip
  COMMAND ${CMAKE_COMMAND} -DSTAGE=${stage} -DOUT=${lists}
          -P ${PROJECT_SOURCE_DIR}/packaging/windows/installer_lists.cmake
  COMMAND ${ORVANE_MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DSTAGE=${stage} -DREMOVALS=${lists}
          -DOUTFILE=${ORVANE_INSTALLER} -DICON=${PROJECT_SOURCE_DIR}/packaging/orvane.ico ${script}
  DEPENDS ${script} ${PROJECT_SOURCE_DIR}/packaging/windows/installer_lists.cmake
  BYPRODUCTS ${ORVANE_INSTALLER}
  COMMENT "Windows installer ${ORVANE_INSTALLER}"
  VERBATIM)
add_dependencies(installer orvane orvane_console orv_catalogue)
