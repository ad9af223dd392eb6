# Every folder of sources is one library; files join it by being there, so adding a
# file never means editing a build script.

# tavra_library(<name> <dir> [QT] [PARTS <subfolders>...] [DEPS <targets>...])
# PARTS are subfolders of <dir> whose sources join the same library: the parts of one
# layer, each a folder of its own.
function(tavra_library name dir)
  cmake_parse_arguments(ARG "QT" "" "PARTS;DEPS" ${ARGN})
  set(patterns ${dir}/*.cpp)
  foreach(part ${ARG_PARTS})
    list(APPEND patterns ${dir}/${part}/*.cpp)
  endforeach()
  file(GLOB sources CONFIGURE_DEPENDS ${patterns})
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
    if(ARG_QT)
      set_target_properties(${name} PROPERTIES AUTOMOC ON)
      target_link_libraries(${name} PUBLIC Qt6::Widgets)
    endif()
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    if(ARG_QT)
      target_link_libraries(${name} INTERFACE Qt6::Widgets)
    endif()
  endif()
endfunction()

# Every test has a time limit, so that a hang (a FIFO read again without care, a modal
# dialog nobody closes) fails the run instead of stopping it. The limit is many times a
# normal run on a busy machine: the slowest suite, the windows, takes under 40 s there.
set(TAVRA_TEST_TIMEOUT 600 CACHE STRING "Seconds a test may run before CTest stops it")

# tavra_time_limits()
# Gives every test of the directory that has no limit of its own the default one; called
# deferred at the end of the directory, it reaches tests added after it too.
function(tavra_time_limits)
  get_property(tests DIRECTORY PROPERTY TESTS)
  foreach(test ${tests})
    get_test_property(${test} TIMEOUT limit)
    if(NOT limit)
      set_tests_properties(${test} PROPERTIES TIMEOUT ${TAVRA_TEST_TIMEOUT})
    endif()
  endforeach()
endfunction()

# tavra_test_suite(<name> <dir> [QT] [TIMEOUT <seconds>] [DEPS <targets>...])
# One executable per folder keeps the number of test binaries small. A QT suite brings
# its own main() (it needs a QApplication); the others use GoogleTest's.
function(tavra_test_suite name dir)
  cmake_parse_arguments(ARG "QT" "TIMEOUT" "DEPS" ${ARGN})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT ${TAVRA_TEST_TIMEOUT})
  endif()
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE TAVRA_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
                                             TAVRA_SAMPLE_DATA="${PROJECT_SOURCE_DIR}/data")
  if(ARG_QT)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} Qt6::Widgets Qt6::Test GTest::gtest)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest_main)
  endif()
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT ${ARG_TIMEOUT})
endfunction()
