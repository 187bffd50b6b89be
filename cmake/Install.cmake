# The installed program folder has the layout of the build tree: the executable
# with Forms/, base_provod.dat, the manuals and Projects/ beside it. Forms/ and
# the catalogue are installed by forms/ and data/; this file adds the rest.

# Example projects, where the open-project dialog starts.
file(GLOB ORVANE_EXAMPLE_PROJECTS CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/examples/*.orv ${PROJECT_SOURCE_DIR}/examples/*.dtr)

# The manuals are optional: Help says nothing when they are missing.
set(ORVANE_MANUALS ${PROJECT_SOURCE_DIR}/docs/Orvhlp_en.pdf ${PROJECT_SOURCE_DIR}/docs/Orvhlp_ru.pdf)

# The build tree gets them too, so that build/orvane finds them as installed.
foreach(example IN LISTS ORVANE_EXAMPLE_PROJECTS)
  get_filename_component(name ${example} NAME)
  configure_file(${example} ${ORVANE_PROGRAM_DIR}/Projects/${name} COPYONLY)
endforeach()
foreach(manual IN LISTS ORVANE_MANUALS)
  if(EXISTS ${manual})
    get_filename_component(name ${manual} NAME)
    configure_file(${manual} ${ORVANE_PROGRAM_DIR}/${name} COPYONLY)
  endif()
endforeach()

if(ORVANE_EXAMPLE_PROJECTS)
  install(FILES ${ORVANE_EXAMPLE_PROJECTS} DESTINATION Projects)
else()
  install(DIRECTORY DESTINATION Projects)
endif()
install(FILES ${ORVANE_MANUALS} DESTINATION . OPTIONAL)

if(ORVANE_GUI AND NOT WIN32)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/orvane.png ${PROJECT_SOURCE_DIR}/packaging/orvane.svg
          DESTINATION .)
  # The desktop entry names the folder the program is installed into, which is
  # known only when installing (cmake --install --prefix).
  install(CODE "
    set(ORVANE_PROGRAM_FOLDER \"\${CMAKE_INSTALL_PREFIX}\")
    configure_file(\"${PROJECT_SOURCE_DIR}/packaging/orvane.desktop.in\"
                   \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/orvane.desktop\" @ONLY)
    message(STATUS \"Installing: \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/orvane.desktop\")
  ")
endif()
