#!/usr/bin/env bash
# Runs every test: the native unit and integration tests (with address and
# undefined-behaviour sanitizers), then the Windows programs under Wine: the
# 64-bit build (quick, Wine runs natively) before the 32-bit one, two tests
# at a time, each in a Wine prefix of its lane (tests/wine-lanes.json).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
ctest --test-dir build -j "$(nproc)" --output-on-failure
for build in build-win64 build-win32; do
  ctest --test-dir "$build" -j 2 --resource-spec-file "$PWD/tests/wine-lanes.json" --output-on-failure
done
