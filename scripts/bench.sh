#!/usr/bin/env bash
# Benchmarks the engine in an optimised build without sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DLINEFIX_SANITIZE=OFF -DLINEFIX_BENCH=ON >/dev/null
cmake --build build-bench -j "$(nproc)" --target linefix_bench
build-bench/bench/linefix_bench "$@"
