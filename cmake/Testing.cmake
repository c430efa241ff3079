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

# The Wine tests of the self-extractor make their executables with the native
# sfxbuild, from the stub and module of this build's bitness: in the 64-bit
# build through a script that asks it for them (SFX_TEST_SFXBUILD).
set(SFX_NATIVE_SFXBUILD "" CACHE FILEPATH "The native sfxbuild, which assembles the executables under test")
set(SFX_TEST_SFXBUILD ${SFX_NATIVE_SFXBUILD})
if(WIN32 AND SFX_NATIVE_SFXBUILD AND CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(SFX_TEST_SFXBUILD ${CMAKE_BINARY_DIR}/sfxbuild-x64)
  file(WRITE ${SFX_TEST_SFXBUILD} "#!/bin/sh\nexec '${SFX_NATIVE_SFXBUILD}' --x64 \"$@\"\n")
  file(CHMOD ${SFX_TEST_SFXBUILD} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
       WORLD_READ WORLD_EXECUTE)
endif()

# add_native_test(NAME src... LIBS lib...)
function(add_native_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main ${T_LIBS})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()

# wine_test(NAME COMMAND exe args... [DISPLAY] [SMOKE])
# Each test is labelled "full". SMOKE adds a twin, NAME_smoke, labelled
# "smoke", that runs the command with WINE_SMOKE=1: the command then runs just
# its first scenario, which stands for the rest where every 32-bit program
# start is emulated and takes a minute (scripts/test.sh picks the set).
function(wine_test name)
  cmake_parse_arguments(T "DISPLAY;SMOKE" "" "COMMAND" ${ARGN})
  set(options "")
  if(T_DISPLAY)
    list(APPEND options "--display")
  endif()
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    list(APPEND options "--win64")
  endif()
  set(command ${LINEFIX_WINE_RUN} --prefix ${LINEFIX_WINEPREFIX} ${options} -- ${T_COMMAND})
  add_test(NAME ${name} COMMAND ${command})
  # One lane of the "wine" resource: two tests never share a prefix, and
  # scripts/test.sh names two lanes, so that two run at a time.
  set_tests_properties(${name} PROPERTIES RESOURCE_GROUPS wine:1 TIMEOUT 600 LABELS full)
  if(T_SMOKE)
    add_test(NAME ${name}_smoke COMMAND ${command})
    set_tests_properties(${name}_smoke PROPERTIES RESOURCE_GROUPS wine:1 TIMEOUT 1200 LABELS smoke
      ENVIRONMENT WINE_SMOKE=1)
  endif()
endfunction()
