#!/usr/bin/env bash
# Runs every test: the native unit and integration tests (with address and
# undefined-behaviour sanitizers), then the Windows programs under Wine, two
# tests at a time, each in a Wine prefix of its lane (tests/wine-lanes.json):
# every test of the 64-bit build, whose Wine runs natively on every machine,
# then those of the 32-bit build: all of them where the kernel runs 32-bit
# programs, the smoke set where they run under the user-mode emulator, which
# takes about a minute for each program start.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
ctest --test-dir build -j "$(nproc)" --output-on-failure
wine_lanes=(-j 2 --resource-spec-file "$PWD/tests/wine-lanes.json" --output-on-failure)
ctest --test-dir build-win64 -L full "${wine_lanes[@]}"
source tests/support/wine_steps.sh
if i386_emulated; then
  echo "test: 32-bit programs run under the emulator ($i386_emulator): the 32-bit build's smoke set"
  set=smoke
else
  echo "test: 32-bit programs run natively: every test of the 32-bit build"
  set=full
fi
ctest --test-dir build-win32 -L "$set" "${wine_lanes[@]}"
