# Test helpers shared by the test folders.
#
# Natively, tests are GoogleTest programs run by ctest. In the Windows builds,
# Windows programs run under Wine with a private prefix inside the build folder
# (a 64-bit one in the 64-bit build); wine_test() wraps a command line in
# scripts/wine-run.sh, which creates the prefix once, gives each lane of the
# ctest resource "wine" a copy of its own and starts a virtual X server when a
# test asks for one.

if(NOT WIN32)
  find_package(GTest REQUIRED)
  include(GoogleTest)
endif()

set(LINEFIX_WINE_RUN ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh)
set(LINEFIX_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)

# add_native_test(NAME src... LIBS lib...)
function(add_native_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main ${T_LIBS})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()

# wine_test(NAME COMMAND exe args... [DISPLAY])
function(wine_test name)
  cmake_parse_arguments(T "DISPLAY" "" "COMMAND" ${ARGN})
  set(options "")
  if(T_DISPLAY)
    list(APPEND options "--display")
  endif()
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    list(APPEND options "--win64")
  endif()
  add_test(NAME ${name}
    COMMAND ${LINEFIX_WINE_RUN} --prefix ${LINEFIX_WINEPREFIX} ${options} -- ${T_COMMAND})
  # One lane of the "wine" resource: two tests never share a prefix, and
  # scripts/test.sh names two lanes, so that two run at a time.
  set_tests_properties(${name} PROPERTIES RESOURCE_GROUPS wine:1 TIMEOUT 600)
endfunction()
