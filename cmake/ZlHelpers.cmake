# zl_add_test(NAME sources... [GUI]) adds one QtTest program and registers it with CTest.
# GUI tests link the window library and run on the offscreen platform.
function(zl_add_test name)
  cmake_parse_arguments(ZT "GUI" "" "" ${ARGN})
  add_executable(${name} ${ZT_UNPARSED_ARGUMENTS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  if(ZT_GUI)
    target_link_libraries(${name} PRIVATE zlgui Qt6::Test)
  else()
    target_link_libraries(${name} PRIVATE zlcore Qt6::Test)
  endif()
  target_compile_definitions(${name} PRIVATE
    ZL_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
    ZL_BIN_DIR="${ZL_BIN_DIR}"
    ZL_RESOURCES="${PROJECT_SOURCE_DIR}/resources")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
endfunction()
