#!/usr/bin/env bash
# Another program of the same user against a running self-extractor, under
# Wine, which enforces sharing between Windows programs but no access rights:
# the intruder cannot rename, replace or write the running program, cannot
# move its work folder, and no module it writes is ever loaded; work folder
# names taken before the run are not used.
#   run_intruded.sh SFXBUILD DRIVER INTRUDER PLANTED_DLL ARCHIVES WORK
# Runs inside wine-run.sh --display, so `wine` reaches the test's prefix.
set -euo pipefail
source "$(dirname "$0")/../support/wine_steps.sh"
sfxbuild=$1 driver=$2 intruder=$3 planted=$4 archives=$5 work=$6
rm -rf "$work" && mkdir -p "$work" && cd "$work"
work=$PWD

mkdir -p temp-watched temp-crowded markers out
"$sfxbuild" "$archives/lzma2.7z" watched.exe
"$sfxbuild" "$archives/lzma2.7z" crowded.exe
7zz x -bso0 -bsp0 -o"reference" "$archives/lzma2.7z"
# Every name the work folder had before: 1 to 999.
(cd temp-crowded && mkdir $(seq -f '_BRSFX%g' 1 999))

# drive NAME EXIT TEMP: runs NAME.exe with -s -d out/NAME, its boxes answered.
drive() {
  printf '%s\t%s\t-\t-\t%s -s -d %s\n' "$1" "$2" "$(win "$work/$1.exe")" "$(win "$work/out/$1")" >"$1.tsv"
  PLANTED_MARKERS=$(win "$work/markers") SFX_TEMP=$(win "$work/$3") wine "$driver" "$1.tsv" | tr -d "\r" | tee -a driver.log
}

wine "$intruder" "$(win "$work/temp-watched")" "$(win "$work/watched.exe")" "$(win "$planted")" \
  "$(win "$work/stop")" "$(win "$work/intrusions.txt")" &
intruder=$!
for _ in $(seq 600); do [ -e intrusions.txt ] && break; sleep 0.1; done
drive watched any temp-watched || true
touch stop
wait "$intruder" || true
# Its last line comes when it has seen the program end.
for _ in $(seq 300); do grep -q '^module seen' intrusions.txt && break; sleep 0.1; done
tr -d '\r' <intrusions.txt >intrusions

drive crowded 0 temp-crowded || failures=$((failures + 1))
set +e

modules_seen() { [ "$(sed -n 's/^module seen \([0-9]*\) times$/\1/p' intrusions)" -gt 0 ]; }
# Wine lets the intruder open the module's file in the moment between its
# writing and its check, which the folder's access denies on Windows; the
# check then refuses it and the run ends before anything is loaded.
module_kept_or_refused() {
  if grep -qE '^module (written|replaced|deleted)' intrusions; then
    grep -qF "box watched: Brindlepacker SFX | An error occured while opening" driver.log &&
      grep -qx 'exit watched: 1' driver.log && [ ! -e out/watched ]
  else
    grep -qx 'exit watched: 0' driver.log && diff -r reference out/watched
  fi
}
taken_names_untouched() {
  [ "$(find temp-crowded -mindepth 1 | wc -l)" = 999 ] && [ -z "$(find temp-crowded -mindepth 2)" ]
}

check "the intruder found the module in the work folder" modules_seen
check "it cannot write, rename or replace the running program" bash -c "! grep '^program' intrusions"
check "it cannot move or replace the work folder" bash -c "! grep '^work folder' intrusions"
check "no code of it runs inside the self-extractor" test -z "$(ls markers)"
check "the module cannot be changed once checked: the run extracts everything, or refuses a module changed before its check" \
  module_kept_or_refused
check "with every old work folder name taken, the run extracts everything" diff -r reference out/crowded
check "the names taken before the run stay as they were" taken_names_untouched
report
