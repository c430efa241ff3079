#!/usr/bin/env bash
# Fuzzes the readers of untrusted bytes with libFuzzer: the self-extractor's
# start-up over its own file, and sfxbuild's reading of its inputs
# (tests/fuzz/). Builds the targets in build-fuzz/ with clang and the address
# and undefined-behaviour sanitizers, makes their seeds from real outputs (the
# stub and module that scripts/build.sh makes in build-win32/), runs each
# target for SECONDS_PER_TARGET seconds and prints, per target, the inputs it
# ran and whether anything was found. Each finding's input stays in
# build-fuzz/findings/, each target's log in build-fuzz/logs/, and the corpus
# grows in build-fuzz/corpus/ from one run to the next. Not part of the tests.
#   fuzz.sh [SECONDS_PER_TARGET]      (default 60)
# SFX_WIN32_DIR: another folder holding br7zsfx.exe and 7z.dll.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
out=$PWD/build-fuzz

packages=(clang-14 libclang-rt-14-dev cmake ninja-build libgtest-dev libstb-dev python3 7zip osslsigncode openssl)
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "fuzz: installing ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

win32=${SFX_WIN32_DIR:-$PWD/build-win32/sfx}
if [ ! -f "$win32/br7zsfx.exe" ] || [ ! -f "$win32/7z.dll" ]; then
  if [ -n "${SFX_WIN32_DIR:-}" ]; then
    echo "fuzz: no br7zsfx.exe and 7z.dll in $win32" >&2
    exit 1
  fi
  echo "fuzz: building the stub and the module for the seeds (scripts/build.sh)"
  bash scripts/setup.sh
  bash scripts/build.sh
fi

# The targets, and sfxbuild (with the same sanitizers) to make the seeds.
CC=clang-14 CXX=clang++-14 cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSFX_FUZZ=ON >/dev/null
nice -n 10 cmake --build "$out" -j 2 --target fuzz_targets sfxbuild
bash tests/fuzz/make_seeds.sh "$out/seeds" "$out/tools/sfxbuild/sfxbuild" "$win32/br7zsfx.exe" "$win32/7z.dll"

mkdir -p "$out/findings" "$out/logs"
found=0
for target in "$out"/fuzz/*; do
  name=$(basename "$target")
  log=$out/logs/$name.log
  mkdir -p "$out/corpus/$name" "$out/seeds/$name"
  status=0
  nice -n 10 "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$out/findings/$name-" "$out/corpus/$name" "$out/seeds/$name" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  finding=$(sed -n 's/.*Test unit written to //p' "$log")
  if [ "$status" -eq 0 ] && [ -z "$finding" ]; then
    echo "$name: ${runs:-?} inputs, nothing found"
  else
    found=1
    echo "$name: ${runs:-?} inputs, FOUND (exit $status) ${finding:-no input saved}; see $log"
  fi
done
exit "$found"
