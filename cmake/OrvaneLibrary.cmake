# One library per source folder; its sources are every .cpp below the folder,
# so adding a file needs no edit here. Subfolders named after EXCLUDE are
# libraries of their own.
function(orvane_library name folder)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "EXCLUDE")
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  foreach(excluded IN LISTS arg_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "/${folder}/${excluded}/")
  endforeach()
  if(NOT sources)
    # A folder without sources yet still gives a library others can link.
    set(sources ${CMAKE_CURRENT_BINARY_DIR}/${name}_empty.cpp)
    file(WRITE ${sources} "")
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
endfunction()

# One test executable per area; every .cpp of the folder belongs to it.
function(orvane_test name folder)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gtest_main)
  # Shared samples and helpers: "support/samples.h", "support/worked_example.h".
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  # ORVANE_HOST_DRIVE: the drive under which a cross-built test sees the
  # build machine's folders (Wine's Z:), empty otherwise.
  target_compile_definitions(${name} PRIVATE
    ORVANE_TEST_DATA="${ORVANE_HOST_DRIVE}${PROJECT_SOURCE_DIR}/tests/data"
    ORVANE_SOURCE_DIR="${ORVANE_HOST_DRIVE}${PROJECT_SOURCE_DIR}"
    ORVANE_PROGRAM_DIR="${ORVANE_HOST_DRIVE}${ORVANE_PROGRAM_DIR}")
  # One CTest entry per program: starting Wine costs seconds per run.
  add_test(NAME ${name} COMMAND ${name})
endfunction()
