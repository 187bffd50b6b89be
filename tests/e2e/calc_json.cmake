# The built program's `calc --format json` on the example projects against the
# results committed from the Linux build; a cross build runs its orvane.exe
# through the emulator (Wine), so the same test shows both give one result.
if(EXISTS /usr/bin/python3)
  set(calc_json_python /usr/bin/python3)
else()
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  set(calc_json_python ${Python3_EXECUTABLE})
endif()
set(calc_json_command ${calc_json_python} ${CMAKE_CURRENT_LIST_DIR}/calc_json_compare.py
    --program $<TARGET_FILE:${ORVANE_COMMAND_LINE_TARGET}> --source ${PROJECT_SOURCE_DIR}
    --catalog ${ORVANE_PROGRAM_DIR}/base_provod.dat --work ${CMAKE_CURRENT_BINARY_DIR}/calc_json)
if(CMAKE_CROSSCOMPILING_EMULATOR)
  list(APPEND calc_json_command --emulator ${CMAKE_CROSSCOMPILING_EMULATOR})
endif()
add_test(NAME e2e_calc_json COMMAND ${calc_json_command})
set_tests_properties(e2e_calc_json PROPERTIES TIMEOUT 300)
