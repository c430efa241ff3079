#!/usr/bin/env bash
# Configures and builds the three builds: build-win64/ (the 64-bit plug-in and
# self-extractor, for x86_64), build-win32/ (the 32-bit Windows deliverables,
# cross-compiled for i686, with sfxbuild.exe beside both bitnesses' stubs and
# modules) and build/ (native, with the unit tests and sfxbuild beside the
# same four files).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=$(nproc)

cmake -S . -B build-win64 -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-x86_64.cmake" \
  -DLINEFIX_NATIVE_FILTERHOST="$root/build/plugin/filterhost" \
  -DSFX_NATIVE_SFXBUILD="$root/build/tools/sfxbuild/sfxbuild" >/dev/null
cmake -S . -B build-win32 -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-i686.cmake" \
  -DLINEFIX_NATIVE_FILTERHOST="$root/build/plugin/filterhost" \
  -DSFX_NATIVE_SFXBUILD="$root/build/tools/sfxbuild/sfxbuild" \
  -DSFX_WIN64_DIR="$root/build-win64/sfx" >/dev/null
# The native build is the sanitizers': optimised a little and with line
# tables for their reports, it compiles in half the time of -O2 -g.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
  -DLINEFIX_WIN32_DLL="$root/build-win32/plugin/Linefix.8bf" \
  -DLINEFIX_WIN64_DLL="$root/build-win64/plugin/Linefix64.8bf" \
  -DSFX_WIN32_DIR="$root/build-win32/sfx" \
  -DSFX_WIN64_DIR="$root/build-win64/sfx" >/dev/null
cmake --build build-win64 -j "$jobs"
cmake --build build-win32 -j "$jobs"
cmake --build build -j "$jobs"
