#!/usr/bin/env bash
# Runs every test: the native unit and integration tests (with address and
# undefined-behaviour sanitizers), then the Windows programs under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
ctest --test-dir build -j "$(nproc)" --output-on-failure
ctest --test-dir build-win32 --output-on-failure
