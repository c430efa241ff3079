# lodepng, the PNG encoder filterhost writes 16-bit images with, compiled
# from the source of Debian's lodepng package that scripts/setup.sh unpacks
# outside the tree, alike for the native and the Windows builds. Only its
# encoder is built; stb_image reads every PNG.

set(_lodepng_cache "$ENV{XDG_CACHE_HOME}")
if(_lodepng_cache STREQUAL "")
  set(_lodepng_cache "$ENV{HOME}/.cache")
endif()
set(LODEPNG_SOURCE_DIR "${_lodepng_cache}/linefix/lodepng" CACHE PATH
  "Unpacked source of Debian's lodepng package (scripts/setup.sh fetches it)")
if(NOT EXISTS "${LODEPNG_SOURCE_DIR}/lodepng.cpp")
  message(FATAL_ERROR "No lodepng source in LODEPNG_SOURCE_DIR (${LODEPNG_SOURCE_DIR}); run scripts/setup.sh")
endif()

add_library(lodepng STATIC ${LODEPNG_SOURCE_DIR}/lodepng.cpp)
target_include_directories(lodepng SYSTEM PUBLIC ${LODEPNG_SOURCE_DIR})
target_compile_definitions(lodepng PUBLIC LODEPNG_NO_COMPILE_DECODER LODEPNG_NO_COMPILE_DISK
  LODEPNG_NO_COMPILE_ANCILLARY_CHUNKS)
# Someone else's code: its warnings are not ours to mend.
target_compile_options(lodepng PRIVATE -w)
