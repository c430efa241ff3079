#!/usr/bin/env bash
# The benchmarks.
#   bench.sh                 both
#   bench.sh engine [ARGS]   the engine, in an optimised build without
#                            sanitizers; ARGS go to the benchmark program.
#                            Then the quality of one run along a wire that
#                            sags, over real photos, against chained
#                            two-point runs and inpainting given the exact
#                            wire mask (bench/wire_quality.py)
#   bench.sh sfx [ROUNDS]    the self-extractors under Wine (default 3 rounds)
# The self-extractors', on two archives: "mixed", 300 MB in six files, half
# text, half random bytes, LZMA2; and "threads", one file of 200 MB of text
# packed with -mx5 -mmt=4, so that LZMA2 splits its stream into blocks that
# decode side by side. The text is random bytes written in base64: it packs
# to three quarters, as little as the decoder can make of it, so that
# decoding takes time of its own (numbered lines decode in no time at all).
# Each is unpacked under Wine, in turns, by the 32-bit and by the 64-bit
# self-extractor run as a script runs it ("-s -d DIR", start to exit) and by
# SevenZipDirect of the same bitness, the same archive session over the same
# module with nothing around it, once on one thread and once with the
# module's own threads; and natively by 7zz: tested with -mmt=off and with
# its threads, and extracted (x) with its threads. For each bitness it prints
# the median seconds of each, the self-extractor's ratios to the bare session
# and to 7zz x; the breakdown of its run by the marks it writes to its
# standard error (process start, listing, extraction, clean-up), with its
# extraction's ratios to the bare session's; the time from start to a ready
# window for a tiny archive and for the mixed one; and the bytes of the stub
# and the module. It says whether 32-bit programs ran natively or emulated.
set -euo pipefail
cd "$(dirname "$0")/.."
source tests/support/wine_steps.sh
bash scripts/setup.sh

# The engine's runs at 16 bits stand beside the same runs at 8; afterwards
# one line per run gives the 16-bit time as a multiple of the 8-bit one.
engine_bench() {
  bash scripts/setup.sh --bench
  cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DLINEFIX_SANITIZE=OFF -DLINEFIX_BENCH=ON >/dev/null
  cmake --build build-bench -j "$(nproc)" --target linefix_bench filterhost Linefix
  local csv=build-bench/engine-bench.csv
  build-bench/bench/linefix_bench --benchmark_out="$csv" --benchmark_out_format=csv "$@"
  echo "16 bits against 8 bits (real time):"
  awk -F, '/^"BM_RemoveWire/ {
      name = $1; gsub(/"/, "", name); bits = name; sub(/.*\/bits:/, "", bits); sub(/\/bits:[0-9]+$/, "", name)
      t[name, bits] = $3; if (!(name in seen)) { seen[name] = 1; order[++n] = name } }
    END { for (i = 1; i <= n; ++i) if (t[order[i], 8] > 0 && t[order[i], 16] != "")
            printf "  %-58s %.2fx\n", order[i], t[order[i], 16] / t[order[i], 8] }' "$csv"
  # Debian's own Python, where its OpenCV and scikit-image live.
  /usr/bin/python3 bench/wire_quality.py build-bench/plugin/filterhost build-bench/wire-quality
}

work=build-win32/bench-sfx

# The files of the archive NAME go to $work/NAME, its self-extractors to
# $work/NAME-setup32.exe and $work/NAME-setup64.exe.
make_archives() {
  rm -rf "$work" && mkdir -p "$work/mixed" "$work/threads" "$work/tiny"
  local i
  for i in 1 2 3; do
    head -c 37500000 /dev/urandom | base64 -w 76 >"$work/mixed/text-$i.txt"
    head -c 50000000 /dev/urandom >"$work/mixed/random-$i.bin"
  done
  (cd "$work/mixed" && 7zz a -bso0 -bsp0 -m0=lzma2 ../mixed.7z -- *)
  head -c 150000000 /dev/urandom | base64 -w 76 >"$work/threads/big.txt"
  (cd "$work/threads" && 7zz a -bso0 -bsp0 -mx5 -mmt=4 ../threads.7z -- *)
  echo "a small file" >"$work/tiny/a.txt"
  (cd "$work/tiny" && 7zz a -bso0 -bsp0 ../tiny.7z -- *)
  local name
  for name in mixed threads tiny; do
    build/tools/sfxbuild/sfxbuild --title "Benchmark" "$work/$name.7z" "$work/$name-setup32.exe"
    build/tools/sfxbuild/sfxbuild --x64 --title "Benchmark" "$work/$name.7z" "$work/$name-setup64.exe"
  done
}

# Wine shows the Unix root as drive Z:.
win() { local path; path=$(realpath -m "$1"); printf 'Z:%s' "${path//\//\\}"; }

extracted_whole() {
  diff -r "$work/$2" "$work/out" >/dev/null || { echo "bench: $1 did not extract $2 whole" >&2; exit 1; }
  rm -rf "$work/out"
}

# Runs a command and leaves its seconds in $work/time.txt.
timed() {
  local TIMEFORMAT='%3R'
  { time "$@" 2>&3; } 3>&2 2>"$work/time.txt"
}

# The seconds since its process was created at which the self-extractor
# passed the marks it wrote to FILE, in their order; "-" for a mark it did
# not leave.
marks_of() {
  tr -d '\r' <"$1" | awk '
    match($0, /br7zsfx: [a-z]+ [0-9]+ ms/) { split(substr($0, RSTART, RLENGTH), w, " "); at[w[2]] = w[3] / 1000 }
    END { n = split("main listed extracted ending cleaned", names, " ")
          for (i = 1; i <= n; ++i) printf "%s%s", (names[i] in at) ? at[names[i]] : "-", (i < n) ? " " : "\n" }'
}

# ROUNDS turns of every run of the programs of BITS bits, in one Wine
# session; one line a run: "KIND ARCHIVE SECONDS [PHASES]", KIND ending in
# the bits: the bare session's open and extract, the self-extractor's marks.
timed_runs() {
  set -euo pipefail
  local rounds=$1 bits=$2 round name phases threads
  local direct=build-win$bits/bench/SevenZipDirect.exe ready=build-win$bits/bench/SfxReadyTime.exe
  # The Wine server stays up between the runs: one that ended with its last
  # program would take Wine's own processes with it, and the next program
  # would wait for them to start again, a window for its desktop process
  # too. One uncounted run starts them.
  wineserver -p
  wine "$work/tiny-setup$bits.exe" -s -d "$(win "$work/out")" || { echo "bench: the self-extractor failed" >&2; exit 1; }
  extracted_whole "the self-extractor" tiny
  for round in $(seq "$rounds"); do
    for name in mixed threads; do
      BR7ZSFX_MARKS=1 timed wine "$work/$name-setup$bits.exe" -s -d "$(win "$work/out")" 2>"$work/marks.txt" ||
        { echo "bench: the self-extractor failed" >&2; exit 1; }
      echo "sfx$bits $name $(cat "$work/time.txt") $(marks_of "$work/marks.txt")"
      extracted_whole "the self-extractor" "$name"
      for threads in "" --threads; do
        mkdir -p "$work/out"
        timed wine "$direct" $threads "$(win "$work/$name.7z")" "$(win "$work/out")" \
          >"$work/phases.txt" || { echo "bench: SevenZipDirect failed" >&2; exit 1; }
        phases=$(tr -d '\r' <"$work/phases.txt" | awk '/^open/ { o = $2 } /^extract/ { e = $2 } END { print o, e }')
        echo "direct$bits${threads:+-threads} $name $(cat "$work/time.txt") $phases"
        extracted_whole "SevenZipDirect" "$name"
      done
    done
    for name in tiny mixed; do
      wine "$ready" "$(win "$work/$name-setup$bits.exe")" -d "$(win "$work/out")" |
        tr -d '\r' | awk -v kind="ready$bits" -v name="$name" '/^ready/ { print kind, name, $2 }'
    done
  done
}

# The same archives natively with 7zz: tested (decoded without writing) on
# one thread and on its threads, and extracted on its threads.
native_runs() {
  local rounds=$1 round name
  for round in $(seq "$rounds"); do
    for name in mixed threads; do
      timed 7zz t -bso0 -bsp0 -mmt=off "$work/$name.7z"
      echo "7zz-one $name $(cat "$work/time.txt")"
      timed 7zz t -bso0 -bsp0 "$work/$name.7z"
      echo "7zz-threads $name $(cat "$work/time.txt")"
      timed 7zz x -bso0 -bsp0 -o"$work/out" "$work/$name.7z"
      echo "7zz-x $name $(cat "$work/time.txt")"
      extracted_whole "7zz x" "$name"
    done
  done
}

# The median of the numbers on standard input, in printf's FORMAT; "-"
# when there are none.
median() {
  grep -E '^[0-9.]+$' | sort -g | awk -v format="${1:-%.2f}" '{ v[NR] = $1 }
    END { if (NR == 0) print "-"; else printf format "\n", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Field K of the runs of KIND on ARCHIVE, one a line.
field() { awk -v kind="$2" -v name="$3" -v k="$4" '$1 == kind && $2 == name { print $k }' "$1"; }

# The median of the per-round differences of fields K2 and K1 of the runs of
# KIND on ARCHIVE: the time from one mark to the next.
span() {
  paste <(field "$1" "$2" "$3" "$4") <(field "$1" "$2" "$3" "$5") |
    awk '$1 != "-" && $2 != "-" { print $2 - $1 }' | median
}

# The median of the per-round ratios of the self-extractor SFX's extraction
# (its marks) to the extraction of the bare session KIND on ARCHIVE: the two
# programs' own work, without the program start that the emulator makes long.
#   extraction_ratio RUNS KIND ARCHIVE SFX
extraction_ratio() {
  paste <(field "$1" "$4" "$3" 5) <(field "$1" "$4" "$3" 6) <(field "$1" "$2" "$3" 5) |
    awk '$1 != "-" && $2 != "-" && $3 > 0 { print ($2 - $1) / $3 }' | median %.3f
}

# The median of the per-round ratios of KIND1 to KIND2 on ARCHIVE.
ratio() {
  paste <(field "$1" "$2" "$4" 3) <(field "$1" "$3" "$4" 3) | awk '$2 > 0 { print $1 / $2 }' | median %.3f
}

row() { printf '%-52s %10s %s\n' "$1" "$2" "${3:-}"; }

# The table of the programs of BITS bits.
print_table() {
  local runs=$1 bits=$2 name stub module
  local sfx=sfx$bits direct=direct$bits threaded=direct$bits-threads ready=ready$bits
  echo
  echo "=== the $bits-bit self-extractor"
  for name in mixed threads; do
    echo
    echo "$name ($(stat -c %s "$work/$name.7z") bytes packed, $(du -cb "$work/$name"/* | tail -1 | cut -f1) unpacked)"
    row "self-extractor -s -d, start to exit" "$(field "$runs" $sfx $name 3 | median)" "s"
    row "  process start to the program's main" "$(field "$runs" $sfx $name 4 | median)" "s"
    row "  start-up and listing (main to a ready window)" "$(span "$runs" $sfx $name 4 5)" "s"
    row "  extraction (ready to extracted)" "$(span "$runs" $sfx $name 5 6)" "s"
    row "  extracted to the program's end" "$(span "$runs" $sfx $name 6 7)" "s"
    row "  clean-up (module unloaded, work folder removed)" "$(span "$runs" $sfx $name 7 8)" "s"
    row "  outside the process (Wine's start, the exit)" "$(span "$runs" $sfx $name 8 3)" "s"
    row "  whole run to 7zz x natively (64-bit goal at most 1.25)" "$(ratio "$runs" $sfx 7zz-x $name)" "x"
    row "SevenZipDirect, one thread" "$(field "$runs" $direct $name 3 | median)" "s"
    row "SevenZipDirect, the module's threads" "$(field "$runs" $threaded $name 3 | median)" "s"
    row "  ratio to the one-thread session" "$(ratio "$runs" $sfx $direct $name)" "x"
    row "  ratio to the threaded session (goal at most 1.15)" "$(ratio "$runs" $sfx $threaded $name)" "x"
    row "  the one-thread session: open, extract" "$(field "$runs" $direct $name 4 | median) $(field "$runs" $direct $name 5 | median)" "s"
    row "  the threaded session: open, extract" "$(field "$runs" $threaded $name 4 | median) $(field "$runs" $threaded $name 5 | median)" "s"
    row "  extraction to the one-thread session's" "$(extraction_ratio "$runs" $direct $name $sfx)" "x"
    row "  extraction to the threaded one's (goal at most 1.15)" "$(extraction_ratio "$runs" $threaded $name $sfx)" "x"
    row "7zz t -mmt=off, natively" "$(field "$runs" 7zz-one $name 3 | median)" "s"
    row "7zz t with its threads, natively" "$(field "$runs" 7zz-threads $name 3 | median)" "s"
    row "7zz x with its threads, natively" "$(field "$runs" 7zz-x $name 3 | median)" "s"
  done
  echo
  row "start to a ready window, tiny archive" "$(field "$runs" $ready tiny 3 | median %.3f)" "s"
  row "start to a ready window, mixed archive" "$(field "$runs" $ready mixed 3 | median %.3f)" "s"
  row "  ratio (goal at most 1.2)" "$(paste <(field "$runs" $ready mixed 3) <(field "$runs" $ready tiny 3) |
    awk '$2 > 0 { print $1 / $2 }' | median %.3f)" "x"
  if [ "$bits" = 32 ]; then stub=br7zsfx.exe module=7z.dll; else stub=br7zsfx64.exe module=7z64.dll; fi
  row "stub $stub" "$(stat -c %s "build-win$bits/sfx/$stub")" "bytes"
  row "module $module" "$(stat -c %s "build-win$bits/sfx/$module")" "bytes"
}

# A copy of the Wine prefix of the tests of BITS bits whose windows are not
# left to a window manager: the display has none, and Wine would wait two
# seconds for it to take every window it hides, the self-extractor's at its
# end included, which no Windows desk does.
bench_prefix() {
  local bits=$1 prefix=$PWD/build-win$1/wineprefix-bench
  scripts/wine-run.sh --prefix "$prefix" --copy-of "$PWD/build-win$bits/wineprefix" $(wine64_option "$bits") -- true >&2
  user_key "$prefix" 'Software\Wine\X11 Driver' '"Managed"="N"'
  echo "$prefix"
}

wine64_option() { [ "$1" = 64 ] && echo --win64 || true; }

sfx_bench() {
  local rounds=${1:-3} bits
  bash scripts/build.sh >/dev/null
  for bits in 32 64; do
    cmake --build "build-win$bits" --target SevenZipDirect SfxReadyTime >/dev/null
  done
  echo "Making the benchmark archives and their self-extractors in $work"
  make_archives
  if i386_emulated; then
    echo "32-bit programs run under the emulator here ($i386_emulator): every 32-bit start takes about a minute"
  else
    echo "32-bit programs run natively here"
  fi
  export work
  export -f timed_runs timed extracted_whole win marks_of
  : >"$work/runs.txt"
  for bits in 32 64; do
    echo "Timing $rounds rounds of the $bits-bit programs under Wine"
    # The self-extractor's window needs a display, even when it runs silently.
    scripts/wine-run.sh --prefix "$(bench_prefix "$bits")" $(wine64_option "$bits") --display -- \
      bash -c "timed_runs $rounds $bits" | tee -a "$work/runs.txt"
  done
  native_runs "$rounds" | tee -a "$work/runs.txt"
  for bits in 32 64; do
    print_table "$work/runs.txt" "$bits"
  done
}

case "${1:-}" in
  engine) shift; engine_bench "$@" ;;
  sfx) shift; sfx_bench "$@" ;;
  "") engine_bench; sfx_bench ;;
  *) echo "usage: bench.sh [engine [ARGS...] | sfx [ROUNDS]]" >&2; exit 2 ;;
esac
