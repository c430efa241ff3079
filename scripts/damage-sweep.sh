#!/usr/bin/env bash
# Damaged copies of one self-extractor, each run under Wine as a script runs
# it ("-s -d DIR"): cut short at random places, and with one bit flipped at a
# random place, in each part after the program image (the extraction module,
# the language blocks, the settings block, the archive). A copy passes when
# it ended by itself in time (no crash, no hang) with exit code 0 or 1, left
# no work folder in the temp folder, left no file in its destination that
# differs from the archive's, and said 0 only with every file whole.
#   damage-sweep.sh [COPIES [SEED]]   after scripts/build.sh; default 24 copies
# Not part of the tests: under the emulator every program start takes a
# minute, two run at a time.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
copies=${1:-24} seed=${2:-1}
work=$root/build-win32/damage-sweep
sfxbuild=$root/build/tools/sfxbuild/sfxbuild
driver=$root/build-win32/tests/sfxexe/sfx_run_driver.exe
archive=$root/build-win32/test-archives/lzma2.7z
for needed in "$sfxbuild" "$driver" "$archive"; do
  [ -e "$needed" ] || { echo "damage-sweep: $needed is missing: run scripts/build.sh first" >&2; exit 1; }
done
rm -rf "$work" && mkdir -p "$work/temp" "$work/out" && cd "$work"
win() { printf 'Z:%s' "${1//\//\\}"; }

"$sfxbuild" --language "$root/sfx/startup/lang/English.txt" --language "$root/sfx/startup/lang/Russian.txt" \
  "$archive" sound.exe
7zz x -bso0 -bsp0 -oreference "$archive"

# The copies, and one scenario line each for the run driver: an answer for
# the one box a damaged copy shows; a copy that shows none is judged below.
python3 - "$(win "$work")" "$copies" "$seed" "$(stat -c %s "$root/build-win32/sfx/br7zsfx.exe")" \
  "$(stat -c %s "$root/build-win32/sfx/7z.dll")" "$(stat -c %s "$archive")" <<'PY'
import random, sys
folder = sys.argv[1]
copies, seed, stub, module, archive = map(int, sys.argv[2:])
data = open("sound.exe", "rb").read()
settings_end = len(data) - archive
parts = [("module", stub, stub + module), ("languages", stub + module, settings_end - 832),
         ("settings", settings_end - 832, settings_end), ("archive", settings_end, len(data))]
rng = random.Random(seed)
with open("scenarios.tsv", "w") as scenarios, open("copies.tsv", "w") as table:
    for n in range(copies):
        part, start, end = parts[n % len(parts)]
        at = rng.randrange(start, end)
        damaged = bytearray(data)
        if n // len(parts) % 2 == 0:
            damaged[at] ^= 1 << rng.randrange(8)
            kind = "flip"
        else:
            del damaged[at:]
            kind = "cut"
        name = f"copy{n:02d}"
        open(name + ".exe", "wb").write(damaged)
        table.write(f"{name}\t{part}\t{kind}\t{at}\n")
        scenarios.write(f"{name}\t1\tok\t-\t{folder}\\{name}.exe -s -d {folder}\\out\\{name}\n")
PY

SFX_TEMP=$(win "$work/temp") "$root/scripts/wine-run.sh" --prefix "$root/build-win32/wineprefix" --display -- \
  wine "$driver" scenarios.tsv >driver.log 2>&1 || true

# Every file left in a destination is the archive's, whole.
only_whole_files() {
  local dest=$1 file
  while IFS= read -r file; do
    cmp -s "$dest/$file" "reference/$file" || return 1
  done < <(cd "$dest" && find . -type f)
}
passed=0 failed=0
printf '%-7s %-9s %-4s %9s %5s  %s\n' copy part kind offset exit verdict
while IFS=$'\t' read -r name part kind at; do
  code=$(sed -n "s/^.*$name: exit code \([0-9]*\),.*$/\1/p" driver.log | tr -d '\r')
  verdict=ok
  grep -q "ok: $name: ended in time" driver.log || verdict="did not end in time"
  case "$code" in
    0) diff -rq reference "out/$name" >/dev/null 2>&1 || verdict="exit 0 without every file whole" ;;
    1) [ ! -d "out/$name" ] || only_whole_files "out/$name" || verdict="a damaged file was left" ;;
    *) verdict="exit code ${code:-unknown}" ;;
  esac
  printf '%-7s %-9s %-4s %9s %5s  %s\n' "$name" "$part" "$kind" "$at" "${code:--}" "$verdict"
  if [ "$verdict" = ok ]; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
done <copies.tsv
if [ -n "$(ls -A temp)" ]; then
  echo "left in the temp folder: $(ls -A temp | tr '\n' ' ')"
  failed=$((failed + 1))
fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
