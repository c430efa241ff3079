#!/usr/bin/env bash
# The benchmarks.
#   bench.sh                 both
#   bench.sh engine [ARGS]   the engine, in an optimised build without
#                            sanitizers; ARGS go to the benchmark program
#   bench.sh sfx [ROUNDS]    the self-extractor under Wine (default 3 rounds)
# The self-extractor's: a 7z archive of 300 MB of files, half text, half
# random bytes, packed with LZMA2, is unpacked under Wine by its
# self-extractor run as a script runs it ("-s -d DIR", start to exit) and by
# SevenZipDirect, the same archive session over the same module with nothing
# around it, in turns. It prints the median seconds of each and their ratio,
# the same for the processor seconds of the two programs (steadier than the
# seconds on a busy machine), and the bytes of the stub and of the module.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

engine_bench() {
  cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DLINEFIX_SANITIZE=OFF -DLINEFIX_BENCH=ON >/dev/null
  cmake --build build-bench -j "$(nproc)" --target linefix_bench
  build-bench/bench/linefix_bench "$@"
}

work=build-win32/bench-sfx

# Fifty MB files: three of numbered text lines (70 bytes each), which LZMA2 packs well, and
# three of random bytes, which it stores.
make_archive() {
  rm -rf "$work" && mkdir -p "$work/files"
  local i
  for i in 1 2 3; do
    seq -f "line %09.0f: text that packs well, one numbered line after another" $((i * 10000000)) \
      $((i * 10000000 + 714285)) >"$work/files/text-$i.txt"
    head -c 50000000 /dev/urandom >"$work/files/random-$i.bin"
  done
  (cd "$work/files" && 7zz a -bso0 -bsp0 -m0=lzma2 ../bench.7z -- *)
  build/tools/sfxbuild/sfxbuild --title "Benchmark" "$work/bench.7z" "$work/bench-setup.exe"
}

# Wine shows the Unix root as drive Z:.
win() { local path; path=$(realpath -m "$1"); printf 'Z:%s' "${path//\//\\}"; }

extracted_whole() {
  diff -r "$work/files" "$work/out" >/dev/null || { echo "bench: $1 did not extract every file whole" >&2; exit 1; }
  rm -rf "$work/out"
}

# Runs a command and leaves "WALL CPU" in $work/time.txt: its seconds, and
# the processor seconds of the program, as the shell accounts them.
timed() {
  local TIMEFORMAT='%3R %3U %3S'
  { time "$@" 2>&3; } 3>&2 2>"$work/time.txt.raw"
  local status=$?
  awk '{ printf "%.2f %.2f", $1, $2 + $3 }' "$work/time.txt.raw" >"$work/time.txt"
  return $status
}

# ROUNDS turns of the two, in one Wine session; one line a run:
# "sfx WALL CPU" or "direct WALL CPU OPEN EXTRACT", in seconds.
timed_runs() {
  set -euo pipefail
  local rounds=$1 round
  # The Wine server stays up between the runs: one that ended with its last
  # program would take Wine's own processes with it, and the next program
  # would wait for them to start again, a window for its desktop process
  # too. One uncounted run starts them.
  wineserver -p
  wine "$work/bench-setup.exe" -s -d "$(win "$work/out")" || { echo "bench: the self-extractor failed" >&2; exit 1; }
  extracted_whole "the self-extractor"
  for round in $(seq "$rounds"); do
    rm -rf "$work/out"
    timed wine "$work/bench-setup.exe" -s -d "$(win "$work/out")" || { echo "bench: the self-extractor failed" >&2; exit 1; }
    echo "sfx $(cat "$work/time.txt")"
    extracted_whole "the self-extractor"

    mkdir -p "$work/out"
    timed wine build-win32/bench/SevenZipDirect.exe "$(win "$work/bench.7z")" "$(win "$work/out")" >"$work/phases.txt" ||
      { echo "bench: SevenZipDirect failed" >&2; exit 1; }
    echo "direct $(cat "$work/time.txt") $(tr -d '\r' <"$work/phases.txt" | awk '/^open/ { o = $2 } /^extract/ { e = $2 } END { print o, e }')"
    extracted_whole "SevenZipDirect"
  done
}

# The median of the numbers on standard input, in printf's FORMAT; "-"
# when there are none.
median() {
  grep -E '^[0-9.]+$' | sort -g | awk -v format="${1:-%.2f}" '{ v[NR] = $1 }
    END { if (NR == 0) print "-"; else printf format "\n", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Field K of the runs of KIND, one a line.
field() { awk -v kind="$2" -v k="$3" '$1 == kind { print $k }' "$1"; }

print_table() {
  local runs=$1
  printf '%-44s %10s\n' "" "median"
  printf '%-44s %10s s   (runs: %s)\n' "self-extractor -s -d, start to exit" "$(field "$runs" sfx 2 | median)" \
    "$(field "$runs" sfx 2 | tr '\n' ' ')"
  printf '%-44s %10s s   (runs: %s)\n' "SevenZipDirect, start to exit" "$(field "$runs" direct 2 | median)" \
    "$(field "$runs" direct 2 | tr '\n' ' ')"
  printf '%-44s %10s x   (goal at most 1.15)\n' "ratio, the median of each round's" \
    "$(paste <(field "$runs" sfx 2) <(field "$runs" direct 2) | awk '{ print $1 / $2 }' | median %.3f)"
  printf '%-44s %10s s\n' "self-extractor, processor" "$(field "$runs" sfx 3 | median)"
  printf '%-44s %10s s\n' "SevenZipDirect, processor" "$(field "$runs" direct 3 | median)"
  printf '%-44s %10s x\n' "ratio of processor seconds" \
    "$(paste <(field "$runs" sfx 3) <(field "$runs" direct 3) | awk '{ print $1 / $2 }' | median %.3f)"
  printf '%-44s %10s s\n' "  SevenZipDirect: open" "$(field "$runs" direct 4 | median)"
  printf '%-44s %10s s\n' "  SevenZipDirect: extract" "$(field "$runs" direct 5 | median)"
  printf '%-44s %10s bytes\n' "files" "$(du -cb "$work"/files/* | tail -1 | cut -f1)"
  printf '%-44s %10s bytes\n' "archive (LZMA2)" "$(stat -c %s "$work/bench.7z")"
  printf '%-44s %10s bytes\n' "stub br7zsfx.exe" "$(stat -c %s build-win32/sfx/br7zsfx.exe)"
  printf '%-44s %10s bytes\n' "module 7z.dll" "$(stat -c %s build-win32/sfx/7z.dll)"
}

sfx_bench() {
  local rounds=${1:-3}
  bash scripts/build.sh >/dev/null
  cmake --build build-win32 --target SevenZipDirect >/dev/null
  echo "Making the benchmark archive and its self-extractor in $work"
  make_archive
  echo "Timing $rounds rounds under Wine (each Windows program start takes a while where 32-bit code runs emulated)"
  export work
  export -f timed_runs timed extracted_whole win
  # The self-extractor's window needs a display, even when it runs silently.
  scripts/wine-run.sh --prefix "$PWD/build-win32/wineprefix" --display -- bash -c "timed_runs $rounds" |
    tee "$work/runs.txt"
  print_table "$work/runs.txt"
}

case "${1:-}" in
  engine) shift; engine_bench "$@" ;;
  sfx) shift; sfx_bench "$@" ;;
  "") engine_bench; sfx_bench ;;
  *) echo "usage: bench.sh [engine [ARGS...] | sfx [ROUNDS]]" >&2; exit 2 ;;
esac
