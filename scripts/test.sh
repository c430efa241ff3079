#!/usr/bin/env bash
# Runs every test: the native unit and integration tests (with address and
# undefined-behaviour sanitizers), then the Windows programs under Wine: the
# 64-bit build (quick, Wine runs natively) before the 32-bit one.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
ctest --test-dir build -j "$(nproc)" --output-on-failure
ctest --test-dir build-win64 --output-on-failure
ctest --test-dir build-win32 --output-on-failure
